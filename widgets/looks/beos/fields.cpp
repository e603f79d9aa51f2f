// The "BeOS" look's edit field, with its blinking caret, and its slider. The
// text itself is laid out by the layer's shared routines; this file gives it
// the look's colours and draws the look's frame around it.
#include "widgets/looks/beos/look.h"

namespace {

const BeosPalette &pal = beos_colours;

// The field that holds the focus is redrawn at each blink, so its caret
// comes and goes. Only a focused field takes the change: with several
// fields in a dialog, an unfocused one (which has no caret) seeing it first
// would otherwise leave the focused one unblinking.
void follow_blink(DIALOG *d)
{
    if (!(d->flags & D_GOTFOCUS)) return;
    const int blink = beos_blink;
    if (blink != beos_blink_seen) {
        beos_blink_seen = blink;
        d->flags |= D_DIRTY;
    }
}

void draw_edit(DIALOG *d)
{
    edit_draw_unshift(d);
    const int th = text_height(font);
    const EditSpan span = edit_visible_span(d);
    rectfill(gui_get_screen(), d->x + 2, d->y + 2, d->x + d->w - 3, d->y + th + 3, pal.white);

    EditTextStyle style;
    style.fg = (d->flags & D_DISABLED) ? pal.mg : pal.fg;
    style.bg = -1;  // on the white just filled
    style.show_caret = (d->flags & D_GOTFOCUS) && beos_blink == 1;
    style.caret_colour = pal.fg;
    style.caret_bottom = th + 3;
    edit_draw_chars(d, span, style);

    // The frame follows the font, not the row's height.
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, th + 8, d->flags, BEOS_EDIT, nullptr);
    edit_draw_reshift(d);
}

}  // namespace

int beos_edit_proc(int msg, DIALOG *d, int c)
{
    follow_blink(d);
    if (msg == MSG_DRAW) {
        draw_edit(d);
        return D_O_K;
    }
    // The field keeps the focus when the mouse wanders off, as Allegro's own does.
    if (msg == MSG_LOSTFOCUS || msg == MSG_LOSTMOUSE) return D_WANTFOCUS;
    return shifted_edit_proc(msg, d, c);
}

int beos_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);
    const ScrollInfo knob = {d->d1, 1, d->d2};
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, d->h, d->flags, BEOS_SLIDER, &knob);
    return D_O_K;
}
