// The "GTK" look's drawing primitives: the one-pixel bevels, the box (frame,
// fill, bevel) that every raised or pressed thing is made of, and the lit
// background of a focused check or radio row.
#include "widgets/gtk/look.h"

void gtk_bevel(int x, int y, int w, int h, int kind)
{
    const int x2 = x + w - 1;
    const int y2 = y + h - 1;
    switch (kind) {
    case GTK_RAISED:
    case GTK_PRELIGHT: {
        const int inner = (kind == GTK_RAISED) ? gtk_shadow : gtk_shadow_light;
        hline(gui_get_screen(), x, y, x2, gtk_white);
        vline(gui_get_screen(), x, y, y2, gtk_white);
        hline(gui_get_screen(), x + 2, y + h - 2, x + w - 2, inner);
        vline(gui_get_screen(), x + w - 2, y + 2, y + h - 2, inner);
        hline(gui_get_screen(), x, y2, x2, gtk_black);
        vline(gui_get_screen(), x2, y, y2, gtk_black);
        break;
    }
    case GTK_PRESSED:
        hline(gui_get_screen(), x, y, x2, gtk_shadow);
        vline(gui_get_screen(), x, y, y2, gtk_shadow);
        hline(gui_get_screen(), x + 1, y + 1, x + w - 2, gtk_black);
        vline(gui_get_screen(), x + 1, y + 1, y + h - 2, gtk_black);
        hline(gui_get_screen(), x + 1, y2, x2, gtk_white);
        vline(gui_get_screen(), x2, y + 1, y + h - 2, gtk_white);
        hline(gui_get_screen(), x + 2, y + h - 2, x + w - 2, gtk_pressed);
        vline(gui_get_screen(), x + w - 2, y + 2, y + h - 2, gtk_pressed);
        break;
    case GTK_FIELD:
        rect(gui_get_screen(), x, y, x2, y2, gtk_black);
        hline(gui_get_screen(), x + 1, y + 1, x + w - 2, gtk_shadow);
        vline(gui_get_screen(), x + 1, y + 1, y + h - 2, gtk_shadow);
        hline(gui_get_screen(), x + 2, y + h - 2, x + w - 2, gtk_white);
        vline(gui_get_screen(), x + w - 2, y + 2, y + h - 2, gtk_white);
        break;
    default:
        break;
    }
}

void gtk_box(int x, int y, int w, int h, int kind, int frame)
{
    if (frame) {
        rect(gui_get_screen(), x, y, x + w - 1, y + h - 1, gtk_black);
        ++x;
        ++y;
        w -= 2;
        h -= 2;
    }
    switch (kind) {
    case GTK_RAISED:
        rectfill(gui_get_screen(), x + 1, y + 1, x + w - 1, y + h - 1, gtk_face);
        break;
    case GTK_PRELIGHT:
        rectfill(gui_get_screen(), x + 1, y + 1, x + w - 1, y + h - 1, gtk_prelight);
        break;
    case GTK_PRESSED:
        rectfill(gui_get_screen(), x + 2, y + 2, x + w - 1, y + h - 1, gtk_pressed);
        break;
    default:
        break;
    }
    gtk_bevel(x, y, w, h, kind);
}

int gtk_state_kind(const DIALOG *d)
{
    if (d->flags & D_SELECTED) return GTK_PRESSED;
    if (d->flags & D_GOTFOCUS) return GTK_PRELIGHT;
    return GTK_RAISED;
}

int gtk_state_frame(const DIALOG *d)
{
    return (d->flags & D_GOTFOCUS) ? 1 : 0;
}

void gtk_focus_fill(DIALOG *d)
{
    const int x2 = d->x + d->w - 1;
    const int y2 = d->y + d->h - 1;
    if (d->flags & D_GOTFOCUS) {
        rectfill(gui_get_screen(), d->x + 1, d->y + 1, d->x + d->w - 2, d->y + d->h - 2, gtk_prelight);
        rect(gui_get_screen(), d->x, d->y, x2, y2, gtk_black);
    } else {
        rectfill(gui_get_screen(), d->x, d->y, x2, y2, gtk_face);
    }
}
