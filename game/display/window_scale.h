// A larger window for large desktops: at scale N the window is 800N x 600N
// and shows the game's 800x600 picture enlarged by whole pixels
// (display/window_canvas.h). Which scale the window opens at: the one asked
// for, brought down to what fits the desktop.
#pragma once

constexpr int MIN_WINDOW_SCALE = 1;
constexpr int MAX_WINDOW_SCALE = 4;
// Rows of the desktop kept free for a title bar and a panel when the scale
// is chosen to fit: a window that reaches under them hides the status bar.
constexpr int DESKTOP_HEIGHT_RESERVED = 48;

// "--scale auto": the largest scale that fits the desktop.
constexpr int SCALE_TO_DESKTOP = 0;

// The scale asked for on the command line (1..4 or SCALE_TO_DESKTOP);
// start-up opens the window at it.
extern int RequestedWindowScale;

// The scale the window was opened at; 1 until then.
extern int WindowScale;

// The largest scale from 1 to 4 whose window fits a desktop of the given
// size, leaving DESKTOP_HEIGHT_RESERVED rows; 1 when none fits.
int largestFittingScale(int desktopWidth, int desktopHeight);

// The same for the desktop the game runs on (1 if its size is unknown).
int scaleFittingDesktop();

// The largest scale a window may be offered at on this desktop: what fits
// it, or MAX_WINDOW_SCALE when its size is unknown (nothing to measure
// against, so nothing is held back).
int largestOfferedScale();

// The scale start-up opens for `requested` (1..4 or SCALE_TO_DESKTOP): a
// window larger than the desktop would hide the status bar or the close
// button, so it is brought down to the largest that fits, and one line on
// standard error says so.
int scaleToOpen(int requested);
