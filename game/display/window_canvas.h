// The window the game's picture goes out to. The game keeps drawing into
// an 800x600 canvas that stands in for `screen`; each shown picture is then
// enlarged into the real window, only the rows that changed. At the
// windowed scale 1 the game draws straight into the window as it always
// has.
#pragma once

#include "display/picture_layout.h"

struct BITMAP;

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

// Whether the game draws straight into the window, with no canvas between
// (the windowed scale 1).
bool drawnStraightIntoWindow();

// Shows the canvas with the mouse pointer drawn on it, as Allegro's own
// software pointer appears in a dialog at scale 1, then takes it away; for
// a dialog shown through the canvas.
void presentWithPointer();
