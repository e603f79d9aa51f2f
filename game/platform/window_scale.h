// A larger window for large desktops: at scale N the window is 800N x 600N
// and shows the game's 800x600 picture enlarged by whole pixels. The game
// keeps drawing into an 800x600 canvas that stands in for `screen`; each
// shown picture is then enlarged into the real window. At scale 1 the game
// draws straight into the window as it always has.
#pragma once

struct BITMAP;
struct DIALOG;

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

// Opens the game's window at `scale` (1..4) or ends the process as
// openWindowOrExit does. Above 1, `screen` becomes the 800x600 canvas, the
// dialog engine reads the mouse in canvas pixels and the name dialog runs
// through runScaledDialog.
void openScaledWindowOrExit(int scale);

// Shows what was drawn since the last call, enlarged; only rows that
// changed are enlarged again. Nothing at scale 1.
void presentScreen();

// do_dialog for the enlarged window: the dialog draws into the canvas and
// is shown enlarged, with the mouse pointer drawn where the dialog reads it.
int runScaledDialog(DIALOG *dialog, int focusObject);

// Enlarges rows firstRow..lastRow of the 16-bit `source` into the 16-bit
// `target` (scale times its size), every pixel a scale x scale square.
void enlargeRows(const BITMAP *source, BITMAP *target, int scale, int firstRow, int lastRow);
