// A window title centred over the row, in one colour on a transparent
// background and clipped to the row, as several looks' windows show it
// ("Photon", "NeXTStep", "ASE"). A row without a title (null dp) draws
// nothing; screen's clipping is left as it was.
#ifndef GROG_WIDGETS_SHARED_CENTRED_TITLE_H
#define GROG_WIDGETS_SHARED_CENTRED_TITLE_H

#include <allegro.h>

void draw_centred_title(DIALOG *d, int y, int colour);

#endif
