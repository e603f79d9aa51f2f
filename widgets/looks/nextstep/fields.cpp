// The "NeXTStep" look's edit field and slider. They draw on MSG_DRAW and
// leave editing and dragging to Allegro's stock procedures.
#include "widgets/looks/nextstep/look.h"

int nextstep_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return shifted_edit_proc(msg, d, c);

    edit_draw_unshift(d);
    const int th = text_height(font);
    const int x = d->x, y = d->y, r = x + d->w - 1;
    const EditSpan span = edit_visible_span(d);

    // The sunken field is th+6 high whatever the row's height.
    const int dark = nextstep_colour(NX_DARK), white = nextstep_colour(NX_WHITE);
    rectfill(gui_get_screen(), x, y, r, y + th + 5, nextstep_colour(NX_GREY));
    rect(gui_get_screen(), x, y, r, y + th + 5, white);
    line(gui_get_screen(), x, y, r - 1, y, dark);
    line(gui_get_screen(), x, y, x, y + th + 4, dark);
    line(gui_get_screen(), x + 1, y + 1, r - 2, y + 1, dark);
    line(gui_get_screen(), x + 1, y + 1, x + 1, y + th + 3, dark);
    rectfill(gui_get_screen(), x + 2, y + 2, r - 2, y + th + 3, white);

    EditTextStyle style;
    style.fg = nextstep_colour((d->flags & D_DISABLED) ? NX_DISABLED : NX_BLACK);
    style.bg = white;
    style.show_caret = d->flags & D_GOTFOCUS;  // the caret does not blink
    style.caret_colour = nextstep_colour(NX_BLACK);
    style.caret_bottom = th + 3;
    edit_draw_chars(d, span, style);

    edit_draw_reshift(d);
    return D_O_K;
}

int nextstep_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);

    const int x = d->x, y = d->y, w = d->w, h = d->h;
    const int r = x + w - 1, b = y + h - 1;
    const bool vertical = h >= w;
    const int len = vertical ? h : w;
    const int pos = slider_thumb_pos(len - 21, d->d1, d->d2) + 1;
    const int white = nextstep_colour(NX_WHITE), black = nextstep_colour(NX_BLACK);
    const int grey = nextstep_colour(NX_GREY), dark = nextstep_colour(NX_DARK);

    // The sunken trough.
    rectfill(gui_get_screen(), x, y, r, b, dark);
    line(gui_get_screen(), x, y, x, b, black);
    line(gui_get_screen(), x, y, r, y, black);
    line(gui_get_screen(), x, b, r, b, white);
    line(gui_get_screen(), r, y, r, b, white);

    // The knob: two overlapping raised bevels, with the seam between them
    // touched up so it reads as one grooved knob.
    if (vertical) {
        const int kt = y + h - pos - 19;
        nextstep_bevel(gui_get_screen(), x + 1, kt, w - 2, 10, BEVEL_RAISED);
        nextstep_bevel(gui_get_screen(), x + 1, kt + 9, w - 2, 10, BEVEL_RAISED);
        line(gui_get_screen(), x + 2, kt, x + 2, kt + 7, white);
        line(gui_get_screen(), x + 2, kt + 9, x + 2, kt + 16, white);
        putpixel(gui_get_screen(), r - 2, kt + 9, grey);
        putpixel(gui_get_screen(), x + 1, kt + 17, dark);
    } else {
        const int kx = x + pos;
        nextstep_bevel(gui_get_screen(), kx, y + 1, 10, h - 2, BEVEL_RAISED);
        nextstep_bevel(gui_get_screen(), kx + 9, y + 1, 10, h - 2, BEVEL_RAISED);
        line(gui_get_screen(), kx + 1, y + 2, kx + 1, b - 3, white);
        putpixel(gui_get_screen(), kx + 9, b - 2, grey);
        putpixel(gui_get_screen(), kx + 17, y + 1, dark);
    }
    return D_O_K;
}
