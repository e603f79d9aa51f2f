#include "widgets/shared/box_image.h"

void draw_box_image(BITMAP *image, int x, int y, int size)
{
    if (!image || size <= 0) return;
    if (size == image->w && size == image->h)
        draw_sprite(gui_get_screen(), image, x, y);
    else
        stretch_sprite(gui_get_screen(), image, x, y, size, size);
}
