// GROG SLOOP: a pirate in a dungeon of random levels, steered with the
// arrow keys. Everything after start-up happens inside the first game.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/command_line.h"
#include "recording/game_recorder.h"
#include "recording/game_replay.h"
#include "play/headless_run.h"
#include "play/new_game.h"
#include "recording/run_summary.h"
#include "platform/shut_down.h"
#include "platform/start_up.h"
#include "platform/fullscreen.h"
#include "platform/window_scale.h"

namespace {

ReplayPace replayPace(const LaunchOptions &options)
{
    if (options.verify) return ReplayPace::Headless;
    return options.replayFast ? ReplayPace::Fast : ReplayPace::Normal;
}

}  // namespace

int main(int argc, char *argv[])
{
    LaunchOptions options;
    if (!parseCommandLine(argc, argv, options)) {
        std::fputs(usageLine(), stderr);
        return EXIT_USAGE;
    }
    RequestedWindowScale = options.windowScale;
    RequestedFullscreen = options.fullscreen;
    unsigned int seed = options.seedGiven ? options.seed : static_cast<unsigned int>(std::time(nullptr));

    // A recording's file is checked, and a new one created, before any
    // window opens.
    Recording replayed;
    std::string error;
    if (options.replayPath && !loadRecording(options.replayPath, replayed, error)) {
        std::fprintf(stderr, "grog-sloop: cannot replay %s: %s\n", options.replayPath, error.c_str());
        return EXIT_USAGE;
    }
    if (options.replayPath) seed = replayed.seed;
    if (options.recordPath && !openRecording(options.recordPath, seed, error)) {
        std::fprintf(stderr, "grog-sloop: cannot record to %s: %s\n", options.recordPath, error.c_str());
        return EXIT_USAGE;
    }
    std::srand(seed);

    // A verification replays with no window, sound or waiting.
    if (options.verify) {
        if (!startHeadlessRun()) {
            std::fputs("grog-sloop: cannot start the Allegro library\n", stderr);
            return 1;
        }
    } else if (startUp() != 0) {
        return 1;
    }
    if (options.recordPath) startRecording();
    if (options.replayPath) startReplay(replayed, replayPace(options));
    newGame();

    int status = 0;
    if (options.recordPath || options.replayPath) {
        std::fputs(summaryLine(currentSummary()).c_str(), stdout);
        std::fflush(stdout);
    }
    if (options.recordPath) finishRecording();
    if (options.replayPath) status = finishReplay();
    shutDown();
    return status;
}
END_OF_MAIN()
