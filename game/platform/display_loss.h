// Losing the display the game's window is on (the X server stopped, the
// session ended under the game). The game notes it as a request to end
// (process/end_request.h) and ends the normal way with status 1, rather
// than being ended from inside the display library with its locks held.
// Where the display cannot go away under a running program (Windows),
// there is nothing to watch.
#ifndef GAME_DISPLAY_LOSS_H
#define GAME_DISPLAY_LOSS_H

// Installs the game's answer on the library's display. Call once the
// library has started; without a display it does nothing.
void watchForLostDisplay();

#endif
