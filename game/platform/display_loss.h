// Losing the X display (the server stopped, the session ended). Xlib's
// default answer is exit() from inside whichever call met the broken
// connection, on whichever thread, with Allegro's locks held there: the
// library's exit handler then waits for those locks for ever. The game
// instead lets Xlib mark the connection dead, after which every later call
// on it returns at once, and ends the normal way with status 1.
#ifndef GAME_DISPLAY_LOSS_H
#define GAME_DISPLAY_LOSS_H

// Installs the game's answer on the library's display. Call once the
// library has started; without an X display it does nothing.
void watchForLostDisplay();

// The same answer for another connection of the game's own to the display.
void watchForLostConnection(struct _XDisplay *display);

#endif
