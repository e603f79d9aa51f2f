// What the player may put on the command line: nothing, "--seed N" to
// replay the same levels (the seed replaces the clock for srand), "--scale N"
// or "--scale auto" for a larger window (and the window to go back to from
// fullscreen), "--fullscreen" to start fullscreen, "--no-sound-effects", and one of "--record FILE",
// "--replay FILE", "--replay-fast FILE", "--verify FILE" (a replay takes its
// seed from FILE, so --seed with a replay is refused), and with a replay in
// a window "--stop-at N" to hold the picture once N steps are replayed.
#pragma once

#include <string>

struct LaunchOptions {
    bool seedGiven = false;
    unsigned int seed = 0;
    // At most one of these is set; the text points into argv.
    const char *recordPath = nullptr;
    const char *replayPath = nullptr;
    bool replayFast = false;  // --replay-fast: no waiting for the timer
    bool verify = false;      // --verify: replayed headless, no window, sound or waits
    bool help = false;        // --help: print how to use the game and stop
    bool version = false;     // --version: print the version and stop
    // --stop-at N (a replay in a window only): hold after N replayed steps.
    bool stopGiven = false;
    unsigned int stopAtStep = 0;
    // --scale: 1 to 4, or SCALE_TO_DESKTOP for "auto".
    bool scaleGiven = false;
    int windowScale = 1;
    bool fullscreen = false;   // --fullscreen
    bool soundEffects = true;  // --no-sound-effects: start with effects off (F3 turns them on)
};

// Reads argv[1..argc-1]. Returns false for anything it does not accept
// (unknown words, a missing, negative, non-numeric or too large seed, a
// scale other than 1..4 or "auto", a second --seed or --scale, a --stop-at
// without a replay); `options` is then left as it was, and `why`, when
// given, says in one sentence what is wrong ("--scale takes 1, 2, 3, 4 or
// auto, not "5"").
bool parseCommandLine(int argc, const char *const *argv, LaunchOptions &options, std::string *why = nullptr);

// The one line printed on standard error when the command line is refused.
const char *usageLine();

// What --help prints on standard output: the usage, every option on a line
// of its own, the keys, and where scores and settings are kept.
const char *helpText();

// What --version prints: "grog-sloop" and the project's version.
const char *versionLine();

// Process exit status for a refused command line.
constexpr int EXIT_USAGE = 2;
