// A window title centred over the row, in one colour on a transparent
// background and clipped to the row, as the "Photon" and "NeXTStep" windows
// show it. A row without a title (null dp) draws nothing.
#ifndef GROG_WIDGETS_THEMES_CENTRED_TITLE_H
#define GROG_WIDGETS_THEMES_CENTRED_TITLE_H

#include <allegro.h>

void draw_centred_title(DIALOG *d, int y, int colour);

#endif
