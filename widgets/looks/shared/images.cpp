#include "widgets/looks/shared/images.h"

void draw_box_image(BITMAP *dst, BITMAP *image, int x, int y, int size)
{
    if (!image || size <= 0) return;
    if (size == image->w && size == image->h)
        draw_sprite(dst, image, x, y);
    else
        stretch_sprite(dst, image, x, y, size, size);
}
