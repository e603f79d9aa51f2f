#include "widgets/shared/centred_title.h"

void draw_centred_title(DIALOG *d, int y, int colour)
{
    if (!d->dp) return;
    int cx1, cy1, cx2, cy2;
    get_clip_rect(gui_get_screen(), &cx1, &cy1, &cx2, &cy2);
    const int clipping = get_clip_state(gui_get_screen());
    set_clip_rect(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
    textout_centre_ex(gui_get_screen(), font, static_cast<const char *>(d->dp), d->x + d->w / 2, y, colour, -1);
    set_clip_rect(gui_get_screen(), cx1, cy1, cx2, cy2);
    set_clip_state(gui_get_screen(), clipping);
}
