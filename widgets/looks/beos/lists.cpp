// The "BeOS" look's list, text list and text box. The rows and the text are
// laid out by the layer's shared routines; this file gives them the look's
// colours and draws the look's frame and scroll bar around them.
#include "widgets/looks/beos/look.h"

namespace {

const BeosPalette &pal = beos_colours;

void list_row_colours(DIALOG *d, int item, int *fg, int *bg)
{
    *fg = pal.fg;
    *bg = list_item_selected(d, item) ? pal.list_selected : pal.white;
}

void draw_list(DIALOG *d)
{
    ListStyle style;
    style.row_colours = list_row_colours;
    style.empty_colour = pal.white;
    style.right_inset_bar = 14;   // rows end at R - 13, left of the bar
    style.right_inset_plain = 4;  // ... at R - 3 without one
    style.limit_bar = 23;
    style.limit_plain = 12;
    const ListLayout layout = list_draw_rows(d, style);
    const ScrollInfo scroll = {layout.count, layout.visible, d->d2};
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, d->h, d->flags, BEOS_LIST, &scroll);
}

}  // namespace

int beos_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int beos_text_list_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_list_proc(msg, d, c);
    draw_list(d);
    return D_O_K;
}

int beos_textbox_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_textbox_proc(msg, d, c);
    TextBoxStyle style;
    style.fg = pal.fg;
    style.bg = pal.white;
    style.disabled = pal.mg;
    style.bar_when_fits = 1;
    style.bar_when_scrolls = 11;
    const int rows = textbox_draw_text(d, style);
    const ScrollInfo scroll = {d->d1, rows, d->d2};
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, d->h, d->flags, BEOS_LIST, &scroll);
    return D_O_K;
}
