#include "widgets/core/dotted_rect.h"

#include <allegro.h>

static void dotted_pixel(int px, int py, int parity, int first, int second)
{
    putpixel(gui_get_screen(), px, py, ((px + py) & 1) == parity ? first : second);
}

void dotted_rect_outline(int x1, int y1, int x2, int y2, int first, int second)
{
    const int parity = (x1 + y1) & 1;
    for (int px = x1; px <= x2; px++) {
        dotted_pixel(px, y1, parity, first, second);
        dotted_pixel(px, y2, parity, first, second);
    }
    // The corners already belong to the top and bottom rows.
    for (int py = y1 + 1; py <= y2 - 1; py++) {
        dotted_pixel(x1, py, parity, first, second);
        dotted_pixel(x2, py, parity, first, second);
    }
}
