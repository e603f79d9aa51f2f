// The "NeXTStep" look's drawing routines: the bevel every raised, white or
// pressed shape is made of, the check mark, and the sunken list frame with
// its scroll bar.
#include "widgets/looks/nextstep/look.h"

#include <algorithm>

void nextstep_bevel(BITMAP *bmp, int x, int y, int w, int h, int style)
{
    const int r = x + w - 1, b = y + h - 1;
    const int white = nextstep_colour(NX_WHITE), black = nextstep_colour(NX_BLACK);
    switch (style) {
    case BEVEL_RAISED:
    case BEVEL_WHITE: {
        const int dark = nextstep_colour(NX_DARK);
        rectfill(bmp, x, y, r, b, style == BEVEL_WHITE ? white : nextstep_colour(NX_GREY));
        rect(bmp, x, y, r, b, black);
        line(bmp, x, y, r - 1, y, white);
        line(bmp, x, y, x, b - 1, white);
        // The dark lines inside the bottom and right, one per pixel of the
        // bevel past the outline; those past the first stop at the middle.
        const int side = std::min(w, h);
        for (int i = 1; i < nextstep_bevel_width && (i == 1 || 2 * i < side); ++i) {
            line(bmp, x + i, b - i, r - i, b - i, dark);
            line(bmp, r - i, y + i, r - i, b - i, dark);
        }
        break;
    }
    case BEVEL_PRESSED:
        // Pressed shapes have no outline on the bottom and right.
        rectfill(bmp, x, y, r, b, white);
        line(bmp, x, y, x, b - 1, black);
        line(bmp, x, y, r - 1, y, black);
        break;
    default:
        break;
    }
}

void nextstep_check_mark(BITMAP *bmp, int x, int y)
{
    const int white = nextstep_colour(NX_WHITE), black = nextstep_colour(NX_BLACK);
    const int dark = nextstep_colour(NX_DARK);
    line(bmp, x + 4, y + 6, x + 4, y + 10, white);
    line(bmp, x + 4, y + 10, x + 12, y + 2, white);
    line(bmp, x + 5, y + 6, x + 5, y + 7, black);
    line(bmp, x + 5, y + 8, x + 6, y + 7, dark);
    line(bmp, x + 4, y + 11, x + 12, y + 3, black);
    line(bmp, x + 5, y + 11, x + 12, y + 4, dark);
}

void nextstep_list_frame(DIALOG *d, int total, int offset, int visible)
{
    const int x = d->x, y = d->y, w = d->w, h = d->h;
    const int r = x + w - 1, b = y + h - 1;
    const int white = nextstep_colour(NX_WHITE), black = nextstep_colour(NX_BLACK);
    const int grey = nextstep_colour(NX_GREY), dark = nextstep_colour(NX_DARK);

    hline(gui_get_screen(), x, y, r, dark);
    vline(gui_get_screen(), x, y, b, dark);
    hline(gui_get_screen(), x + 1, y + 1, r - 1, black);
    vline(gui_get_screen(), x + 1, y + 1, b - 1, black);
    hline(gui_get_screen(), x + 2, b - 1, r - 1, black);
    vline(gui_get_screen(), r - 1, y + 2, b - 2, black);
    hline(gui_get_screen(), x + 1, b, r, white);
    vline(gui_get_screen(), r, y + 1, b - 1, white);
    if (!scroll_bar_needed(total, visible)) return;

    rectfill(gui_get_screen(), r - 12, y + 1, r - 1, b - 1, grey);
    vline(gui_get_screen(), r - 12, y + 1, b - 1, black);

    const int kl = scroll_thumb_length(total, visible, h - 5);
    int kt = y + 2;
    if (offset > 0) {
        kt = y + 2 + scroll_thumb_offset(total, offset, h - 5);
        rectfill(gui_get_screen(), r - 11, y + 2, r - 1, kt, grey);
    }
    // A knob that would run past the trough stops at the row above the bottom.
    const int height = kt + kl < y + h - 3 ? kl + 1 : y + h - kt;
    nextstep_bevel(gui_get_screen(), r - 11, kt - 1, 11, height, BEVEL_RAISED);
    if (kl > 10 && nextstep_dimple) draw_sprite(gui_get_screen(), nextstep_dimple, r - 9, kt + kl / 2 - 3);
}
