#include "process/end_request.h"

#include <allegro.h>

volatile std::sig_atomic_t EndSignal = 0;
volatile std::sig_atomic_t DisplayLost = 0;

namespace {

// Short enough that an end is noticed well within 100 ms.
constexpr int END_CHECK_SLICE_MS = 20;

}  // namespace

bool endRequested()
{
    return EndSignal != 0 || DisplayLost != 0;
}

int endStatus()
{
    if (EndSignal != 0) return 128 + EndSignal;
    return DisplayLost != 0 ? 1 : 0;
}

void restUnlessEnding(int ms)
{
    while (ms > 0 && !endRequested()) {
        const int slice = ms < END_CHECK_SLICE_MS ? ms : END_CHECK_SLICE_MS;
        rest(static_cast<unsigned int>(slice));
        ms -= slice;
    }
}
