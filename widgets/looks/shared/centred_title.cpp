#include "widgets/looks/shared/centred_title.h"

#include "widgets/core/clip_within.h"

void draw_centred_title(DIALOG *d, int y, int colour)
{
    if (!d->dp) return;
    const ClipWithin row(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
    textout_centre_ex(gui_get_screen(), font, static_cast<const char *>(d->dp), d->x + d->w / 2, y, colour, -1);
}
