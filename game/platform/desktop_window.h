// What the game asks of the desktop about its window beyond what Allegro
// offers: how the window goes fullscreen (through the library's own
// fullscreen mode, or a window the window manager is asked to hold
// fullscreen), where it stands, whether it has the focus, and the keyboard
// and mouse after a new graphics mode. On Linux the X server and the
// window manager are asked over an X connection of the game's own, opened
// at the first call (Allegro's belongs to Allegro's input thread); Windows
// has no window manager to ask.
#pragma once

// Whether a window manager runs that says it knows the fullscreen state.
bool windowManagerDoesFullscreen();

// Whether the platform gives a game the whole screen through Allegro's own
// fullscreen drivers (Windows: DirectDraw at the desktop's resolution, so
// no mode change), rather than through a window of the screen's size that
// the window manager is asked to hold fullscreen (X11).
bool hasOwnFullscreenMode();

// Asks the window manager to put the game's window into its fullscreen
// state, or to take it out; false when nothing was asked (no window, or no
// window manager to ask).
bool askForFullscreenState(bool fullscreen);

// Waits, at most `milliseconds`, until the game's window shows and the
// window manager (if one runs) has taken it in hand: Allegro waits without
// end for a window it sets a new mode on to show again, which it may never
// do when the window manager is still busy with the window's last mode.
// Returns at once where a window shows as soon as it is made.
void waitUntilWindowSettled(int milliseconds);

// Whether the input focus is on the game's window (or follows the pointer,
// as on a desktop without a window manager).
bool windowHasFocus();

// Puts the game's window at the desktop's top-left corner; for a desktop
// where nothing else would place it.
bool moveWindowToDesktopCorner();

// After a new graphics mode: makes sure the game's window has the keyboard
// and mouse again, which the new mode took from it and handed back.
void takeInputAfterNewMode();
