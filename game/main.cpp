// GROG SLOOP: a pirate in a dungeon of random levels, steered with the
// arrow keys. Everything after start-up happens inside the first game.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "display/fullscreen.h"
#include "display/scaled_dialog.h"
#include "display/window_scale.h"
#include "input/key_bindings.h"
#include "platform/player_folders.h"
#include "play/headless_run.h"
#include "play/new_game.h"
#include "process/command_line.h"
#include "process/data_dirs.h"
#include "process/end_request.h"
#include "process/shut_down.h"
#include "process/start_up.h"
#include "recording/game_recorder.h"
#include "recording/game_replay.h"
#include "recording/run_summary.h"
#include "scores/high_score_file.h"
#include "scores/name_dialog.h"
#include "settings/options_dialog.h"
#include "settings/settings_file.h"
#include "sound/effect_settings.h"
#include "sound/music.h"

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
    std::string refused;
    if (!parseCommandLine(argc, argv, options, &refused)) {
        std::fprintf(stderr, "grog-sloop: %s\n", refused.c_str());
        std::fputs(usageLine(), stderr);
        return EXIT_USAGE;
    }
    if (options.help || options.version) {
        std::fputs(options.help ? helpText() : versionLine(), stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    // The player's settings, with what the command line says winning for
    // this run only.
    if (!options.verify) savedSettings() = loadSettings(playerSettingsPath());
    Settings &settings = currentSettings();
    settings = savedSettings();
    if (options.scaleGiven) settings.windowScale = options.windowScale;
    RequestedWindowScale = settings.windowScale;
    if (options.fullscreen) settings.fullscreen = true;
    RequestedFullscreen = settings.fullscreen;
    applyKeySettings(settings);
    // Effects: the player's settings, unless the command line turns them off
    // for this run.
    if (!options.soundEffects) settings.effectsOn = false;
    setEffectsOn(settings.effectsOn);
    setEffectsVolume(settings.effectsVolume);
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
    } else {
        // Where an installed game keeps the scores is the score file's to
        // say; start-up only finds the folder.
        handScoreFolderCalls({setScoreDirectory, reportScoresCannotBeSaved});
        if (startUp() != 0) return 1;
        // The name dialog and the options show through the window at any
        // scale, the window keys served while they run.
        NameDialogRunner = runScaledDialog;
    }
    if (!options.verify) {
        applyDialogLook(settings.look);
        // Full volume is the library's own; only a quieter choice is set.
        if (settings.musicVolume != 100) applyMusicVolume(settings.musicVolume);
    }
    if (options.recordPath) startRecording();
    if (options.replayPath) startReplay(replayed, replayPace(options));
    if (options.stopGiven) stopReplayAtStep(options.stopAtStep);
    newGame();

    int status = 0;
    if (options.recordPath || options.replayPath) {
        std::fputs(summaryLine(currentSummary()).c_str(), stdout);
        std::fflush(stdout);
    }
    if (options.recordPath) finishRecording();
    if (options.replayPath) status = finishReplay();
    shutDown();
    // A game ended by a signal or a lost display says so in its status.
    return endRequested() ? endStatus() : status;
}
END_OF_MAIN()
