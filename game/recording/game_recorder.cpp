#include "recording/game_recorder.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "input/key_wait.h"
#include "input/step_input.h"
#include "platform/shut_down_watchdog.h"
#include "process/library_callbacks.h"
#include "recording/run_summary.h"
#include "scores/high_scores.h"
#include "scores/name_dialog.h"
#include "world/game_state.h"

namespace {

std::FILE *RecordingFile = nullptr;
// The controls the game read before the recorder stepped in: the keyboard,
// or whatever else feeds the play step.
StepInput (*RecordedSource)() = nullptr;
// The close button, held back until the top of the next step so that the
// step that ends on it is the step the file says.
volatile int CloseButtonPressed = 0;

void writeLine(const std::string &line)
{
    // Flushed at once: a crash must not take the last steps with it.
    std::fputs(line.c_str(), RecordingFile);
    std::fflush(RecordingFile);
}

void onCloseWhileRecording()
{
    CloseButtonPressed = 1;
}

std::uint8_t stepKeysOf(const StepInput &input)
{
    return static_cast<std::uint8_t>((input.walk.left ? STEP_LEFT : 0) | (input.walk.right ? STEP_RIGHT : 0) |
                                     (input.walk.up ? STEP_UP : 0) | (input.walk.down ? STEP_DOWN : 0) |
                                     (input.pause ? STEP_PAUSE : 0) | (input.music ? STEP_MUSIC : 0) |
                                     (input.quit ? STEP_QUIT : 0) | (CloseRequested ? STEP_CLOSE : 0));
}

StepInput recordedStep()
{
    const StepInput input = RecordedSource();
    if (CloseButtonPressed) CloseRequested = 1;
    writeLine(stepLine(stepKeysOf(input)));
    ++RunSteps;
    return input;
}

void recordedKeyWait()
{
    // A game over is the only waiting screen with no lives left.
    const RecordedEvent::Kind screen = Lives == 0 ? RecordedEvent::Kind::GameOverKey : RecordedEvent::Kind::TitleKey;
    const int start = TickCounter;
    waitForKeyPress();
    // Read and put back: the key stays for whatever comes next, as it would.
    // A wait left by something other than a key (a gamepad button, say)
    // is written as key 0.
    const int key = keypressed() ? readkey() & RECORDED_KEY_MAX : 0;
    if (key != 0) simulate_keypress(key);
    writeLine(waitLine(screen, key, TickCounter - start));
}

void recordedNameEntry(bool earnsPlace)
{
    if (!earnsPlace) return;
    // Row 1 is the YARRR button, which closes the dialog only by recording
    // the score.
    const bool saved = runNameDialog() == 1;
    writeLine(nameLine(saved, PlayerName));
}

}  // namespace

bool openRecording(const char *path, unsigned int seed, std::string &error)
{
    // Binary: a recording's lines end in '\n' alone on every platform.
    RecordingFile = std::fopen(path, "wb");
    if (RecordingFile == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    writeLine(recordingHeader(seed));
    if (std::ferror(RecordingFile)) {
        error = "the file cannot be written";
        std::fclose(RecordingFile);
        RecordingFile = nullptr;
        return false;
    }
    watchRecordingFile(fileno(RecordingFile));
    return true;
}

void startRecording()
{
    RecordedSource = StepInputSource;
    StepInputSource = recordedStep;
    KeyWaitSource = recordedKeyWait;
    NameEntrySource = recordedNameEntry;
    set_close_button_callback(onCloseWhileRecording);
}

void finishRecording()
{
    if (RecordingFile == nullptr) return;
    writeLine(endLine(currentSummary()));
    watchRecordingFile(-1);
    std::fclose(RecordingFile);
    RecordingFile = nullptr;
}
