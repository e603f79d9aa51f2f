// Fullscreen: the game's window covers the whole screen, black around the
// picture, which sits in the middle enlarged as fullscreenLayout says. The
// window manager is asked for its fullscreen state where one runs; without
// one the window is the desktop's size at its top-left corner. The setting
// that an options dialog offers is setFullscreen / isFullscreen.
#pragma once

// "--fullscreen": start-up opens the window fullscreen.
extern bool RequestedFullscreen;

// Switches to fullscreen or back to the window at the scale it was opened
// at, keeping the picture. When the display cannot go fullscreen, says why
// in one line on standard error and stays windowed. Returns whether the
// game is now as asked. Needs the window open.
bool setFullscreen(bool fullscreen);

bool isFullscreen();
