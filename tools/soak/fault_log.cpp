#include "fault_log.h"

#include <cstdio>

namespace {

// A broken rule tends to repeat at every step after it; the first lines
// tell the story.
constexpr long LINES_SHOWN = 25;

}  // namespace

void FaultLog::report(const std::string &what)
{
    ++faults;
    if (faults <= LINES_SHOWN) {
        std::fprintf(stderr, "soak fault: seed %u game %ld step %ld (step %ld of the game): %s\n", seed, game, step,
                     gameStep, what.c_str());
    } else if (faults == LINES_SHOWN + 1) {
        std::fprintf(stderr, "soak: further faults are counted, not shown\n");
    }
}
