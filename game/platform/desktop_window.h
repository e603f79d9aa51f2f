// What the game asks of its X window beyond what Allegro offers: the icon
// property that desktops read, the window manager's fullscreen state, and
// the desktop's corner when no window manager runs. It talks over an X
// connection of its own, opened at the first call: Allegro's connection
// belongs to Allegro's input thread.
#pragma once

#include <vector>

// Sets _NET_WM_ICON on the game's window: width, height, then width *
// height pixels as 0xAARRGGBB. False when there is no window to set it on.
bool setWindowIconProperty(const std::vector<unsigned long> &icon);

// Whether a window manager runs that says it knows the fullscreen state.
bool windowManagerDoesFullscreen();

// Whether the platform gives a game the whole screen through Allegro's own
// fullscreen drivers (Windows: DirectDraw at the desktop's resolution, so
// no mode change), rather than through a window of the screen's size that
// the window manager is asked to hold fullscreen (X11).
bool hasOwnFullscreenMode();

// Asks the window manager to put the game's window into its fullscreen
// state, or to take it out; false when there is no window to ask about.
bool askForFullscreenState(bool fullscreen);

// Waits, at most `milliseconds`, until the game's window shows and the
// window manager (if one runs) has taken it in hand: Allegro waits without
// end for a window it sets a new mode on to show again, which it may never
// do when the window manager is still busy with the window's last mode.
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
