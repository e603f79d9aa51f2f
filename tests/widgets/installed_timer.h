// The period of a timer a look installed, read from Allegro's own list of
// timers: a blink's period as the look set it, not as a busy machine lets
// a sampling loop see it.
#pragma once

#include <allegro.h>
#include <allegro/internal/aintern.h>

// The period, in Allegro's timer units (MSEC_TO_TIMER), of the installed
// timer that calls `proc`; 0 when none does.
inline long installed_timer_period(void (*proc)(void))
{
    for (int i = 0; i < MAX_TIMERS; ++i)
        if (_timer_queue[i].proc == proc) return _timer_queue[i].speed;
    return 0;
}
