// What the looks' windows share: the title clipped to the row, at its
// corner or centred.
#ifndef WIDGETS_LOOKS_SHARED_FRAMES_H
#define WIDGETS_LOOKS_SHARED_FRAMES_H

#include <allegro.h>

// A window's title as the stock look and "GTK" draw it: `dp` at 6 pixels in
// from the row's corner, on an opaque background, clipped to the row so a
// long title never spills out of its frame. The caller draws the frame.

// Draws d->dp (nothing when null) in `fg` on `bg`; screen's clipping and
// the text mode are left as they were.
void draw_window_title(DIALOG *d, int fg, int bg);

// A window title centred over the row, in one colour on a transparent
// background and clipped to the row, as several looks' windows show it
// ("Photon", "NeXTStep", "ASE"). A row without a title (null dp) draws
// nothing; screen's clipping is left as it was.

void draw_centred_title(DIALOG *d, int y, int colour);

#endif
