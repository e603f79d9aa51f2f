#include "process/command_line.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <string>

#include "display/window_scale.h"

namespace {

// Decimal digits only: strtoul would accept signs, spaces and hex prefixes.
bool parseSeed(const char *text, unsigned int &seed)
{
    if (*text == '\0') return false;
    unsigned long long value = 0;
    for (const char *p = text; *p; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
        if (value > UINT_MAX) return false;
    }
    seed = static_cast<unsigned int>(value);
    return true;
}

// "1" to "4" or "auto"; nothing else, not even "02".
bool parseScale(const char *text, int &scale)
{
    if (std::strcmp(text, "auto") == 0) {
        scale = SCALE_TO_DESKTOP;
        return true;
    }
    if (text[0] < '0' + MIN_WINDOW_SCALE || text[0] > '0' + MAX_WINDOW_SCALE || text[1] != '\0') return false;
    scale = text[0] - '0';
    return true;
}

}  // namespace

bool parseCommandLine(int argc, const char *const *argv, LaunchOptions &options, std::string *why)
{
    LaunchOptions parsed;
    // Says what is wrong, for the line above the usage.
    auto refuse = [why](const std::string &problem) {
        if (why != nullptr) *why = problem;
        return false;
    };
    const std::string wholeNumber = "a whole number from 0 to 4294967295";
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool valueFollows = i + 1 < argc;
        // As GNU programs do: these answer at once, whatever else is there.
        if (word == "--help" || word == "--version") {
            options = LaunchOptions();
            (word == "--help" ? options.help : options.version) = true;
            return true;
        }
        // Recording, replaying or verifying a game: one of the four, with
        // its file.
        const bool record = word == "--record";
        const bool replay = word == "--replay";
        const bool replayFast = word == "--replay-fast";
        const bool verify = word == "--verify";
        if (record || replay || replayFast || verify) {
            if (parsed.recordPath || parsed.replayPath)
                return refuse("only one of --record, --replay, --replay-fast and --verify can be given");
            if (!valueFollows || argv[i + 1][0] == '\0') return refuse(word + " needs the name of a file");
            (record ? parsed.recordPath : parsed.replayPath) = argv[++i];
            parsed.replayFast = replayFast;
            parsed.verify = verify;
            continue;
        }
        if (word == "--fullscreen") {
            if (parsed.fullscreen) return refuse("--fullscreen is given twice");
            parsed.fullscreen = true;
            continue;
        }
        if (word == "--no-sound-effects") {
            parsed.soundEffects = false;
            continue;
        }
        const bool scale = word == "--scale";
        const bool stopAt = word == "--stop-at";
        const bool seed = word == "--seed";
        if (!scale && !stopAt && !seed) return refuse("unknown option \"" + word + "\"");
        bool &given = scale ? parsed.scaleGiven : stopAt ? parsed.stopGiven : parsed.seedGiven;
        if (given) return refuse(word + " is given twice");
        const std::string allowed = scale ? "1, 2, 3, 4 or auto" : wholeNumber;
        std::string problem = word;
        if (!valueFollows) return refuse(problem.append(" needs a value: ").append(allowed));
        const char *value = argv[++i];
        const bool understood = scale    ? parseScale(value, parsed.windowScale)
                                : stopAt ? parseSeed(value, parsed.stopAtStep)
                                         : parseSeed(value, parsed.seed);
        if (!understood)
            return refuse(problem.append(" takes ").append(allowed).append(", not \"").append(value) + "\"");
        given = true;
    }
    // A replay's levels come from the seed in its file.
    if (parsed.replayPath && parsed.seedGiven)
        return refuse("--seed cannot be given with a replay, which takes its seed from its file");
    // Only a replay in a window has steps to stop at and a close button.
    if (parsed.stopGiven && (!parsed.replayPath || parsed.verify))
        return refuse("--stop-at needs --replay or --replay-fast");
    options = parsed;
    return true;
}

const char *usageLine()
{
    return "usage: grog-sloop [--seed N] [--scale 1|2|3|4|auto] [--fullscreen] [--no-sound-effects] [--record FILE | "
           "--replay FILE | "
           "--replay-fast FILE | --verify FILE] [--stop-at STEP]"
           "   (N, STEP: whole numbers from 0 to 4294967295; a replay takes its seed from FILE)\n";
}

const char *helpText()
{
    return "Usage: grog-sloop [OPTION]...\n"
           "Steer a pirate through random dungeon levels: take the bottles, go deeper.\n"
           "\n"
           "Options:\n"
           "  --seed N             play the levels of seed N (0 to 4294967295) instead of the clock's\n"
           "  --scale N|auto       open an 800Nx600N window (N from 1 to 4), or the largest that fits\n"
           "  --fullscreen         start fullscreen (F11 or Alt+Enter switches at any time)\n"
           "  --no-sound-effects   start with the sound effects off (F3 turns them on)\n"
           "  --record FILE        write the game into FILE, for a bug report\n"
           "  --replay FILE        play a recorded game back at the normal pace\n"
           "  --replay-fast FILE   play a recorded game back as fast as it can be drawn\n"
           "  --verify FILE        replay a recording with no window, sound or waiting; exit 0 when it\n"
           "                       went as recorded\n"
           "  --stop-at STEP       with --replay or --replay-fast: hold the picture of play step STEP and\n"
           "                       wait for the window to be closed (for tests and bug reports)\n"
           "  --help               print this help and exit\n"
           "  --version            print the version and exit\n"
           "\n"
           "Keys (the options, F10, can add WASD or bind others):\n"
           "  arrow keys           walk\n"
           "  SPACE                pause and resume\n"
           "  F2                   pause and resume the music\n"
           "  F3                   turn the sound effects off and on\n"
           "  F1                   how to play (on the title screen and while paused)\n"
           "  F10                  options (on the title screen and while paused)\n"
           "  F11, Alt+Enter       switch between the window and fullscreen\n"
           "  F12                  save a screenshot in the pictures folder\n"
           "  ESC                  quit (hold it in a game begun after a game over); on the\n"
           "                       game-over screen, go on to the title\n"
           "\n"
           "A pirate boxed in on all four sides, by walls or monsters, loses a life.\n"
           "\n"
           "Files:\n"
           "  high scores          $XDG_DATA_HOME/grog-sloop/High.txt (~/.local/share/grog-sloop/);\n"
           "                       High.txt in the working directory when played from the build directory\n"
           "  settings             $XDG_CONFIG_HOME/grog-sloop/settings.cfg (~/.config/grog-sloop/)\n"
           "\n"
           "Options given here win for this run and are not saved. Manual: man 6 grog-sloop\n";
}

const char *versionLine()
{
    return "grog-sloop " GROG_VERSION "\n";
}
