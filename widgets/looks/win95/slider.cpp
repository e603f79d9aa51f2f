// The "Win95" slider: a sunken trough over the whole row and a raised
// 28-pixel thumb, whatever the focus.
#include "widgets/style/slider_thumb.h"
#include "widgets/looks/win95/look.h"

int w95_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);
    const SliderThumbRect thumb = slider_thumb_rect(d);
    w95_button_bevel(d->x, d->y, d->w, d->h, 1);
    w95_button_bevel(thumb.x, thumb.y, thumb.w, thumb.h, 0);
    return D_O_K;
}
