// Ending the game from outside: a signal from the session (a logout sends
// SIGTERM, a closed terminal SIGHUP, Ctrl-C SIGINT) or the X display going
// away. Either only sets a flag here, from a signal handler or from Xlib's
// error path on whichever thread met it; every loop of the game looks at
// endRequested() and leaves the normal way, so the recording, the summary
// line and the score table end as they do at ESC.
#ifndef GAME_END_REQUEST_H
#define GAME_END_REQUEST_H

#include <csignal>

// The number of the first ending signal; 0 while none came.
extern volatile std::sig_atomic_t EndSignal;
// 1 once the connection to the X display broke.
extern volatile std::sig_atomic_t DisplayLost;

// True once either of the two is set.
bool endRequested();

// The process status for the way the game ends: 128 + the signal's number
// after a signal (as a shell reports a killed program), 1 after a lost
// display, 0 otherwise. A signal that came first wins over the display.
int endStatus();

// Sleeps `ms` milliseconds in short slices, returning early once an end is
// requested: the holds of the play step must not keep a logout waiting.
void restUnlessEnding(int ms);

#endif
