// A larger window for large desktops: at scale N the window is 800N x 600N
// and shows the game's 800x600 picture enlarged by whole pixels. The game
// keeps drawing into an 800x600 canvas that stands in for `screen`; each
// shown picture is then enlarged into the real window. At scale 1 the game
// draws straight into the window as it always has.
#pragma once

#include "display/picture_layout.h"

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

// The largest scale a window may be offered at on this desktop: what fits
// it, or MAX_WINDOW_SCALE when its size is unknown (nothing to measure
// against, so nothing is held back).
int largestOfferedScale();

// The scale start-up opens for `requested` (1..4 or SCALE_TO_DESKTOP): a
// window larger than the desktop would hide the status bar or the close
// button, so it is brought down to the largest that fits, and one line on
// standard error says so.
int scaleToOpen(int requested);

// Opens the game's window at `scale` (1..4) or ends the process as
// openWindowOrExit does. Above 1, `screen` becomes the 800x600 canvas. The
// dialog engine reads the mouse in canvas pixels.
void openScaledWindowOrExit(int scale);

// Sets the graphics mode again through Allegro's `driver`
// (GFX_AUTODETECT_WINDOWED for a window), width x height, showing the
// picture as `layout` places it, black around it; the picture drawn so far
// is kept. Only a window of the windowed layout of scale 1 is drawn
// straight into, every other mode through the canvas. False when the mode
// cannot be set: there is then no window until the next call succeeds.
bool reopenWindow(int driver, int width, int height, const PictureLayout &layout);

// Allegro's display-switch callback for SWITCH_IN where the screen forgets
// its pixels while another program has it (Windows fullscreen): the whole
// picture goes out again at the next presentScreen or serviceDesktopKeys.
void onScreenRestored();

// Shows the whole picture again if the screen has forgotten it; for the
// loops that wait without drawing.
void presentIfScreenRestored();

// Shows what was drawn since the last call, enlarged; only rows that
// changed are enlarged again (nothing to do when drawn straight into the
// window). Then acts on the window keys (serviceDesktopKeys).
void presentScreen();

// The 800x600 picture being shown: the canvas, or the window's own bitmap.
BITMAP *shownPicture();

// do_dialog for any window: the dialog draws into the canvas and is shown
// enlarged, with the mouse pointer drawn where the dialog reads it, or
// straight into the window with Allegro's pointer; the window keys work
// while it runs.
int runScaledDialog(DIALOG *dialog, int focusObject);

// Enlarges rows firstRow..lastRow of the 16-bit `source` into the 16-bit
// `target` (scale times its size), every pixel a scale x scale square.
void enlargeRows(const BITMAP *source, BITMAP *target, int scale, int firstRow, int lastRow);

// Fills the 16-bit `target`, of any size from the source's up, from the
// 16-bit `source` by repeating whole rows and columns: target pixel (x, y)
// is source pixel (x * sw / tw, y * sh / th). Writes only the target rows
// that show source rows firstRow..lastRow, and gives back the first and
// last of them.
void fillRows(const BITMAP *source, BITMAP *target, int firstRow, int lastRow, int &firstTargetRow, int &lastTargetRow);
