// A window's title as the stock look and "GTK" draw it: `dp` at 6 pixels in
// from the row's corner, on an opaque background, clipped to the row so a
// long title never spills out of its frame. The caller draws the frame.
#ifndef WIDGETS_WINDOW_TITLE_H
#define WIDGETS_WINDOW_TITLE_H

#include <allegro.h>

// Draws d->dp (nothing when null) in `fg` on `bg`; screen's clipping and
// the text mode are left as they were.
void draw_window_title(DIALOG *d, int fg, int bg);

#endif
