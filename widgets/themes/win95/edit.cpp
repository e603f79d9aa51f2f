// The "Win95" edit field: the layer's edit text in a sunken white field,
// with a caret that blinks while the dialog idles.
#include "widgets/shared/edit_field.h"
#include "widgets/theme.h"
#include "widgets/themes/win95/look.h"

static void w95_edit_draw(DIALOG *d)
{
    edit_draw_unshift(d);
    const int th = text_height(font);
    const EditSpan span = edit_visible_span(d);
    // The field is one text line high whatever the row's height.
    w95_field(d->x, d->y, d->w, th + 6);
    rectfill(gui_get_screen(), d->x + 2, d->y + 2, d->x + d->w - 3, d->y + th + 3, w95_white);

    EditTextStyle style;
    style.fg = (d->flags & D_DISABLED) ? w95_grey165 : w95_black;
    style.bg = w95_white;
    style.show_caret = (d->flags & D_GOTFOCUS) && w95_blink == 1;
    style.caret_colour = w95_black;
    style.caret_bottom = th + 3;
    edit_draw_chars(d, span, style);
    edit_draw_reshift(d);
}

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
        return shifted_edit_proc(msg, d, c);
    }
}
