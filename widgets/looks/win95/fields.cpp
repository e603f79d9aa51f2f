// The "Win95" edit field, the layer's edit text in a sunken white field with
// a caret that blinks while the dialog idles, and the slider, a sunken
// trough over the whole row and a raised 28-pixel thumb whatever the focus.
#include "widgets/looks/win95/look.h"

#include <algorithm>

namespace {

// The stock padding, which the layer's editing logic already allows for.
enum { W95_STOCK_FIELD_PADDING = 2 };

// How far the row is moved in (and narrowed on both sides) for Allegro's
// editing logic beyond the layer's own move, while that logic runs, so its
// caret-by-mouse and scrolling match text drawn with a padding of its own.
int moved_in = 0;

void w95_edit_draw(DIALOG *d)
{
    edit_draw_unshift(d);
    const int moved = moved_in;
    d->x -= moved;
    d->y -= moved;
    d->w += 2 * moved;
    const int th = text_height(font);
    const int pad = w95_field_padding;
    const int inset = 2 + pad;
    // The field is one text line high whatever the row's height; the text
    // sits `pad` below the frame, and past the stock padding as much again
    // is left below it.
    const int field_h = th + 4 + pad + std::max(pad - W95_STOCK_FIELD_PADDING, 0);
    const EditSpan span = edit_visible_span(d, inset);
    w95_field(d->x, d->y, d->w, field_h);
    rectfill(gui_get_screen(), d->x + 2, d->y + 2, d->x + d->w - 3, d->y + field_h - 3, w95_white);

    EditTextStyle style;
    style.fg = (d->flags & D_DISABLED) ? w95_grey165 : w95_black;
    style.bg = w95_white;
    style.show_caret = (d->flags & D_GOTFOCUS) && w95_blink == 1;
    style.caret_colour = w95_black;
    style.caret_bottom = field_h - 3;
    style.inset = inset;
    edit_draw_chars(d, span, style);
    d->x += moved;
    d->y += moved;
    d->w -= 2 * moved;
    edit_draw_reshift(d);
}

}  // namespace

int w95_edit_proc(int msg, DIALOG *d, int c)
{
    // The blink timer only flips a flag; the focused field, the only one
    // with a caret, asks the dialog engine to redraw it in its idle loop.
    // Unfocused fields leave the change to it, so with several fields in a
    // dialog the caret still blinks wherever the focus is.
    const int blink = w95_blink;
    if ((d->flags & D_GOTFOCUS) && w95_blink_seen != blink) {
        w95_blink_seen = blink;
        d->flags |= D_DIRTY;
    }

    switch (msg) {
    case MSG_DRAW:
        w95_edit_draw(d);
        return D_O_K;
    case MSG_LOSTFOCUS:
    case MSG_LOSTMOUSE:
        // The field keeps the input focus: typing always lands here.
        return D_WANTFOCUS;
    default:
        break;
    }
    const int move = w95_field_padding - W95_STOCK_FIELD_PADDING;
    const int outer = moved_in;
    d->x += move;
    d->y += move;
    d->w -= 2 * move;
    moved_in = move;
    const int result = shifted_edit_proc(msg, d, c);
    moved_in = outer;
    d->x -= move;
    d->y -= move;
    d->w += 2 * move;
    return result;
}

int w95_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);
    const SliderThumbRect thumb = slider_thumb_rect(d);
    w95_button_bevel(d->x, d->y, d->w, d->h, 1);
    w95_button_bevel(thumb.x, thumb.y, thumb.w, thumb.h, 0);
    return D_O_K;
}
