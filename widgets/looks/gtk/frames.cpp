// The "GTK" look's drawing primitives: the bevels, the box (frame,
// fill, bevel) that every raised or pressed thing is made of, and the lit
// background of a focused check or radio row.
#include "widgets/looks/gtk/look.h"

#include <algorithm>

namespace {

// The inner rings of a bevel, from the second pixel in up to its width:
// `top_left` along the top and left (-1: none), `bottom_right` along the
// bottom and right. Rings past the first stop at the box's middle.
void gtk_inner_rings(int x, int y, int w, int h, int top_left, int bottom_right)
{
    const int side = std::min(w, h);
    for (int i = 1; i < gtk_bevel_width && (i == 1 || 2 * i < side); ++i) {
        if (top_left >= 0) {
            hline(gui_get_screen(), x + i, y + i, x + w - 1 - i, top_left);
            vline(gui_get_screen(), x + i, y + i, y + h - 1 - i, top_left);
        }
        hline(gui_get_screen(), x + 1 + i, y + h - 1 - i, x + w - 1 - i, bottom_right);
        vline(gui_get_screen(), x + w - 1 - i, y + 1 + i, y + h - 1 - i, bottom_right);
    }
}

}  // namespace

// One outer ring, then the inner ones out to the bevel's width (two pixels
// by default: the outer edge and one line of shadow).
void gtk_bevel(int x, int y, int w, int h, int kind)
{
    const int x2 = x + w - 1;
    const int y2 = y + h - 1;
    switch (kind) {
    case GTK_RAISED:
    case GTK_PRELIGHT:
        hline(gui_get_screen(), x, y, x2, gtk_white);
        vline(gui_get_screen(), x, y, y2, gtk_white);
        gtk_inner_rings(x, y, w, h, -1, (kind == GTK_RAISED) ? gtk_shadow : gtk_shadow_light);
        hline(gui_get_screen(), x, y2, x2, gtk_black);
        vline(gui_get_screen(), x2, y, y2, gtk_black);
        break;
    case GTK_PRESSED:
        hline(gui_get_screen(), x, y, x2, gtk_shadow);
        vline(gui_get_screen(), x, y, y2, gtk_shadow);
        gtk_inner_rings(x, y, w, h, gtk_black, gtk_pressed);
        hline(gui_get_screen(), x + 1, y2, x2, gtk_white);
        vline(gui_get_screen(), x2, y + 1, y + h - 2, gtk_white);
        break;
    case GTK_FIELD:
        rect(gui_get_screen(), x, y, x2, y2, gtk_black);
        gtk_inner_rings(x, y, w, h, gtk_shadow, gtk_white);
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
