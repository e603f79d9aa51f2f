// The "Win95" list, text list and text box: the layer's rows and text in a
// sunken frame with a light trough and a raised thumb.
#include "widgets/looks/win95/look.h"

void w95_list_frame(DIALOG *d, int total, int offset, int visible)
{
    const int x = d->x, y = d->y, w = d->w, h = d->h;
    draw_list_well(x, y, w, h, ListWellColours{w95_grey149, w95_black, w95_face, w95_white});

    if (!scroll_bar_needed(total, visible)) return;
    // The bar is `bar` pixels wide (12 by default), a pixel in from the
    // frame's right edge.
    const int bar = w95_scrollbar_width, left = x + w - bar - 1;
    rectfill(gui_get_screen(), left, y + bar + 1, x + w - 3, y + h - 3, w95_light);
    int len = scroll_thumb_length(total, visible, h - 5);
    int ty = y + 2;
    if (offset > 0) {
        ty = y + 2 + scroll_thumb_offset(total, offset, h - 5);
        rectfill(gui_get_screen(), left, y + 2, x + w - 1, ty + 1, w95_light);
    }
    if (ty + len >= y + h - 3) len = y + h - 3 - ty;
    w95_button_bevel(left, ty, bar, len, 0);
}

// Selected rows are white on blue, whether or not the list is enabled.
static void w95_row_colours(DIALOG *d, int item, int *fg, int *bg)
{
    const bool selected = list_item_selected(d, item);
    *fg = selected ? w95_white : w95_black;
    *bg = selected ? w95_select : w95_white;
}

static void w95_draw_list(DIALOG *d)
{
    ListStyle style;
    style.row_colours = w95_row_colours;
    style.empty_colour = w95_white;
    style.right_inset_bar = w95_scrollbar_width + 2;
    style.right_inset_plain = 3;
    style.limit_bar = w95_scrollbar_width + 11;
    style.limit_plain = 11;
    const ListLayout layout = list_draw_rows(d, style);
    w95_list_frame(d, layout.count, d->d2, layout.visible);
}

int w95_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_list_proc(msg, d, c);
    w95_draw_list(d);
    return D_O_K;
}

int w95_text_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_list_proc(msg, d, c);
    w95_draw_list(d);
    return D_O_K;
}

int w95_textbox_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
    TextBoxStyle style;
    style.fg = (d->flags & D_DISABLED) ? w95_grey149 : w95_black;
    style.bg = w95_white;
    style.disabled = w95_grey149;
    style.bar_when_fits = 0;
    style.bar_when_scrolls = w95_scrollbar_width - 1;
    const int visible = textbox_draw_text(d, style);
    w95_list_frame(d, d->d1, d->d2, visible);
    return D_O_K;
}
