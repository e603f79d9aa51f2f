#include "recording/game_replay.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "input/key_wait.h"
#include "input/step_input.h"
#include "process/end_request.h"
#include "process/library_callbacks.h"
#include "recording/run_summary.h"
#include "scores/high_scores.h"
#include "scores/name_dialog.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"

namespace {

// At the normal pace a waiting screen is shown as long as it was, but never
// for more than two seconds: a player who read the table for a minute
// should not make the replay wait a minute.
constexpr int LONGEST_REPLAYED_WAIT_TICKS = 30;

static_assert(RECORDED_NAME_BYTES_MAX < sizeof PlayerName, "a recorded name fits the dialog's buffer");

const Recording *Replayed = nullptr;
bool Fast = false;
bool KeepScoreTable = false;
std::size_t NextEvent = 0;
std::uint32_t StepsLeftInEvent = 0;
// Why the game and the file went apart; empty while they agree.
std::string Difference;
volatile int ViewerClosed = 0;
// --stop-at: the step to hold at, and whether the hold has been reached.
bool StopGiven = false;
std::uint32_t StopAtStep = 0;
bool Stopped = false;

const char *eventName(RecordedEvent::Kind kind)
{
    switch (kind) {
    case RecordedEvent::Kind::Steps:
        return "a play step";
    case RecordedEvent::Kind::TitleKey:
        return "the title screen's key";
    case RecordedEvent::Kind::GameOverKey:
        return "the game-over screen's key";
    case RecordedEvent::Kind::Name:
        return "a name";
    }
    return "?";
}

// Holds the last picture until the close button; the line tells a waiting
// test that the picture is final.
void holdAtStop()
{
    Stopped = true;
    std::printf("stopped at step %u\n", static_cast<unsigned>(RunSteps));
    std::fflush(stdout);
    while (!CloseRequested && !endRequested()) rest(20);
}

// The next event if it is of the kind the game asks for; otherwise notes
// the difference and ends the run as the close button would. Past the
// stop, nothing more is taken.
const RecordedEvent *take(RecordedEvent::Kind wanted)
{
    if (StopGiven && !Stopped && RunSteps == StopAtStep) holdAtStop();
    if (Stopped || !Difference.empty()) return nullptr;
    if (NextEvent == Replayed->events.size()) {
        // A recording without its end line stopped when its program did;
        // the replay stops there too. One with the line ended there.
        if (Replayed->ended)
            Difference = std::string("the game wants ") + eventName(wanted) + " after the recording's end";
        CloseRequested = 1;
        return nullptr;
    }
    const RecordedEvent &event = Replayed->events[NextEvent];
    if (event.kind != wanted) {
        Difference = std::string("after ") + std::to_string(RunSteps) + " steps the game wants " + eventName(wanted) +
                     ", the recording has " + eventName(event.kind);
        CloseRequested = 1;
        return nullptr;
    }
    if (wanted != RecordedEvent::Kind::Steps || --StepsLeftInEvent == 0) {
        ++NextEvent;
        if (NextEvent < Replayed->events.size()) StepsLeftInEvent = Replayed->events[NextEvent].count;
    }
    return &event;
}

StepInput replayedStep()
{
    // Each step counts as a tick of its own, so the play loop never waits.
    if (Fast) TickCounter = TickCounter + 1;
    StepInput input;
    const RecordedEvent *event = take(RecordedEvent::Kind::Steps);
    if (event == nullptr) {
        input.quit = true;
        return input;
    }
    ++RunSteps;
    const std::uint8_t keys = event->keys;
    input.walk.left = keys & STEP_LEFT;
    input.walk.right = keys & STEP_RIGHT;
    input.walk.up = keys & STEP_UP;
    input.walk.down = keys & STEP_DOWN;
    input.pause = keys & STEP_PAUSE;
    input.music = keys & STEP_MUSIC;
    input.quit = keys & STEP_QUIT;
    if (keys & STEP_CLOSE) CloseRequested = 1;
    return input;
}

void replayedKeyWait()
{
    const RecordedEvent *event = take(Lives == 0 ? RecordedEvent::Kind::GameOverKey : RecordedEvent::Kind::TitleKey);
    if (event == nullptr) return;
    if (!Fast) {
        const int start = TickCounter;
        const int ticks = event->ticks < LONGEST_REPLAYED_WAIT_TICKS ? event->ticks : LONGEST_REPLAYED_WAIT_TICKS;
        while (TickCounter - start < ticks && !CloseRequested && !endRequested()) rest(20);
    }
    // The key lands in the buffer as the player's did; the keyboard itself
    // is not read.
    if (event->key != 0) simulate_keypress(event->key);
}

void replayedNameEntry(bool)
{
    // The recording, not this machine's table, says whether a name was
    // asked for: the dialog changes only the table, never the game.
    if (NextEvent == Replayed->events.size() || Replayed->events[NextEvent].kind != RecordedEvent::Kind::Name) return;
    const RecordedEvent *event = take(RecordedEvent::Kind::Name);
    if (event == nullptr) return;
    ustrzcpy(PlayerName, sizeof PlayerName, Replayed->names[event->name].c_str());
    // The button's own path, so the table ends as the recorded one did.
    if (event->saved && !KeepScoreTable) recordScore(nullptr);
}

void onCloseWhileReplaying()
{
    ViewerClosed = 1;
    CloseRequested = 1;
}

}  // namespace

bool loadRecording(const char *path, Recording &recording, std::string &error)
{
    std::FILE *file = std::fopen(path, "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    // One byte past the limit tells a too-large file from one just at it,
    // without reading all of an endless one.
    std::string text;
    char buffer[65536];
    std::size_t got = 0;
    while (text.size() <= RECORDING_BYTES_MAX && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = "the file cannot be read";
        return false;
    }
    return parseRecording(text.data(), text.size(), recording, error);
}

void startReplay(const Recording &recording, ReplayPace pace)
{
    Replayed = &recording;
    Fast = pace != ReplayPace::Normal;
    KeepScoreTable = pace == ReplayPace::Headless;
    // Faster than the timer, steps come faster than any sound could follow.
    if (Fast) silenceEffectsForRun();
    NextEvent = 0;
    StepsLeftInEvent = recording.events.empty() ? 0 : recording.events[0].count;
    StepInputSource = replayedStep;
    KeyWaitSource = replayedKeyWait;
    NameEntrySource = replayedNameEntry;
    set_close_button_callback(onCloseWhileReplaying);
}

void stopReplayAtStep(unsigned int step)
{
    StopGiven = true;
    StopAtStep = step;
}

int finishReplay()
{
    // Stopped from outside, the replay has not gone differently: it ended early.
    if (endRequested() && Difference.empty()) {
        std::fprintf(stderr, "grog-sloop: replay stopped by %s after %u steps\n",
                     EndSignal != 0 ? "a signal" : "the loss of the display", static_cast<unsigned>(RunSteps));
        return 0;
    }
    if (ViewerClosed && Difference.empty()) {
        std::fprintf(stderr, "grog-sloop: replay stopped by the close button after %u steps\n",
                     static_cast<unsigned>(RunSteps));
        return 0;
    }
    if (Difference.empty() && NextEvent < Replayed->events.size())
        Difference = "the game ended after " + std::to_string(RunSteps) + " steps with " +
                     eventName(Replayed->events[NextEvent].kind) + " of the recording still to come";
    if (Difference.empty() && Replayed->ended && !(currentSummary() == Replayed->summary))
        Difference = "the recording ended with \"" +
                     endLine(Replayed->summary).substr(0, endLine(Replayed->summary).size() - 1) + "\"";
    if (Difference.empty()) return 0;
    std::fprintf(stderr, "grog-sloop: the replay went differently from the recording: %s\n", Difference.c_str());
    return EXIT_REPLAY_DIFFERS;
}
