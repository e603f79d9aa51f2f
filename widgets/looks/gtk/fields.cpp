// The "GTK" look's edit field and slider. Editing and dragging stay
// Allegro's; only the drawing follows the look.
#include "widgets/looks/gtk/look.h"

// d: dp the text, d1 the length limit, d2 the caret (characters);
// D_GOTFOCUS outlines the field and shows the caret, D_DISABLED greys the
// text. The field is th + 6 high whatever h is.
int gtk_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return shifted_edit_proc(msg, d, c);

    const int th = text_height(font);
    const int fg = (d->flags & D_DISABLED) ? gtk_shadow_light : gtk_black;
    edit_draw_unshift(d);
    const EditSpan span = edit_visible_span(d);
    gtk_bevel(d->x, d->y, d->w, th + 6, (d->flags & D_GOTFOCUS) ? GTK_FIELD : GTK_PRESSED);
    rectfill(gui_get_screen(), d->x + 2, d->y + 2, d->x + d->w - 3, d->y + th + 3, gtk_white);
    edit_draw_chars(d, span, EditTextStyle{fg, gtk_white, (d->flags & D_GOTFOCUS) != 0, gtk_black, th + 3});
    edit_draw_reshift(d);
    return D_O_K;
}

// d: d1 the maximum, d2 the value; vertical when h >= w (0 at the bottom),
// else horizontal (0 at the left); D_GOTFOCUS lights the thumb. A maximum
// of 0 leaves the thumb at the start.
int gtk_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);
    const SliderThumbRect thumb = slider_thumb_rect(d);
    gtk_box(d->x, d->y, d->w, d->h, GTK_PRESSED, 0);
    gtk_box(thumb.x, thumb.y, thumb.w, thumb.h, (d->flags & D_GOTFOCUS) ? GTK_PRELIGHT : GTK_RAISED, 0);
    return D_O_K;
}
