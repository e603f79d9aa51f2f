#include "widgets/core/clip_within.h"

ClipWithin::ClipWithin(BITMAP *bmp, int x1, int y1, int x2, int y2) : bmp_(bmp)
{
    get_clip_rect(bmp, &x1_, &y1_, &x2_, &y2_);
    clipping_ = get_clip_state(bmp);
    // With clipping off the stored rectangle means nothing: the whole bitmap is open.
    if (!clipping_) set_clip_rect(bmp, 0, 0, bmp->w - 1, bmp->h - 1);
    add_clip_rect(bmp, x1, y1, x2, y2);
    set_clip_state(bmp, TRUE);
}

ClipWithin::~ClipWithin()
{
    set_clip_rect(bmp_, x1_, y1_, x2_, y2_);
    set_clip_state(bmp_, clipping_);
}
