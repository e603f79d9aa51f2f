// Drawing narrowed to a rectangle without ever widening what the program
// (and the forwarder, which keeps a widget within its row) allowed: the
// rectangle is intersected with the bitmap's clipping, never put in its
// place, and the clipping comes back as it was when the scope ends.
#ifndef WIDGETS_CORE_CLIP_WITHIN_H
#define WIDGETS_CORE_CLIP_WITHIN_H

#include <allegro.h>

class ClipWithin {
public:
    // Corners inclusive, on `bmp`.
    ClipWithin(BITMAP *bmp, int x1, int y1, int x2, int y2);
    ~ClipWithin();
    ClipWithin(const ClipWithin &) = delete;
    ClipWithin &operator=(const ClipWithin &) = delete;

private:
    BITMAP *bmp_;
    int x1_, y1_, x2_, y2_;
    int clipping_;
};

#endif
