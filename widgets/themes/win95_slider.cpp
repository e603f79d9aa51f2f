// The "Win95" slider: a sunken trough over the whole row and a raised
// 28-pixel thumb, whatever the focus.
#include "widgets/slider_thumb.h"
#include "widgets/themes/win95.h"

int w95_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW)
        return d_slider_proc(msg, d, c);

    const bool vertical = d->h >= d->w; // a square slider is vertical
    const int length = vertical ? d->h : d->w;
    const int pos = slider_thumb_pos(length - 32, d->d1, d->d2);

    w95_button_bevel(d->x, d->y, d->w, d->h, 1);
    if (vertical)
        w95_button_bevel(d->x + 2, d->y + d->h - pos - 30, d->w - 4, 28, 0);
    else
        w95_button_bevel(d->x + pos + 2, d->y + 2, 28, d->h - 4, 0);
    return D_O_K;
}
