// libFuzzer target for the reading of a recorded game: whatever the file
// holds, the reader either refuses it with a reason or gives a run within
// the bounds a real one keeps, which writes back and reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "recording/recording_file.h"

namespace {

void require(bool condition)
{
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Recording recording;
    std::string error;
    if (!parseRecording(reinterpret_cast<const char *>(data), size, recording, error)) {
        require(!error.empty());
        return 0;
    }
    // Written back the way the recorder writes, it reads as the same run.
    std::string text = recordingHeader(recording.seed);
    std::uint64_t steps = 0;
    for (const RecordedEvent &event : recording.events) {
        switch (event.kind) {
        case RecordedEvent::Kind::Steps:
            require(event.count >= 1);
            steps += event.count;
            for (std::uint32_t i = 0; i < event.count; ++i) text += stepLine(event.keys);
            break;
        case RecordedEvent::Kind::TitleKey:
        case RecordedEvent::Kind::GameOverKey:
            require(event.key >= 0 && event.key <= RECORDED_KEY_MAX && event.ticks >= 0);
            text += waitLine(event.kind, event.key, event.ticks);
            break;
        case RecordedEvent::Kind::Name:
            require(event.name < recording.names.size());
            require(recording.names[event.name].size() <= RECORDED_NAME_BYTES_MAX);
            text += nameLine(event.saved, recording.names[event.name]);
            break;
        }
    }
    require(steps <= RECORDING_STEPS_MAX);
    if (recording.ended) text += endLine(recording.summary);

    Recording again;
    require(parseRecording(text.data(), text.size(), again, error));
    require(again.seed == recording.seed && again.ended == recording.ended && again.names == recording.names);
    require(again.events.size() == recording.events.size());
    return 0;
}
