#include "platform/command_line.h"

#include <cctype>
#include <climits>
#include <cstring>

#include "platform/window_scale.h"

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

bool parseCommandLine(int argc, const char *const *argv, LaunchOptions &options)
{
    LaunchOptions parsed;
    for (int i = 1; i < argc; ++i) {
        // Recording, replaying or verifying a game: one of the four, with
        // its file.
        const bool record = std::strcmp(argv[i], "--record") == 0;
        const bool replay = std::strcmp(argv[i], "--replay") == 0;
        const bool replayFast = std::strcmp(argv[i], "--replay-fast") == 0;
        const bool verify = std::strcmp(argv[i], "--verify") == 0;
        if (record || replay || replayFast || verify) {
            if (parsed.recordPath || parsed.replayPath || i + 1 >= argc || argv[i + 1][0] == '\0') return false;
            (record ? parsed.recordPath : parsed.replayPath) = argv[++i];
            parsed.replayFast = replayFast;
            parsed.verify = verify;
            continue;
        }
        if (std::strcmp(argv[i], "--fullscreen") == 0) {
            if (parsed.fullscreen) return false;
            parsed.fullscreen = true;
            continue;
        }
        if (std::strcmp(argv[i], "--scale") == 0) {
            if (parsed.scaleGiven || i + 1 >= argc || !parseScale(argv[++i], parsed.windowScale)) return false;
            parsed.scaleGiven = true;
            continue;
        }

        if (std::strcmp(argv[i], "--seed") != 0 || parsed.seedGiven || i + 1 >= argc) return false;
        if (!parseSeed(argv[++i], parsed.seed)) return false;
        parsed.seedGiven = true;
    }
    // A replay's levels come from the seed in its file.
    if (parsed.replayPath && parsed.seedGiven) return false;
    options = parsed;
    return true;
}

const char *usageLine()
{
    return "usage: grog-sloop [--seed N] [--scale 1|2|3|4|auto] [--fullscreen] [--record FILE | --replay FILE | "
           "--replay-fast FILE | --verify FILE]"
           "   (N: a whole number from 0 to 4294967295; a replay takes its seed from FILE)\n";
}
