// The "Photon" look's drawing routines, from which every widget is built:
// gradients, the etched frame, panels, labels, the scroll handle, the list
// frame, tick dots and the slider knob.
#include "widgets/looks/photon/look.h"

#include <algorithm>

namespace {

// One component of a ramp at step `at` of `span`; a ramp of a single line
// has no span and is drawn in its start colour.
int ramp(int start, int end, int at, int span)
{
    if (span == 0) return start;
    return start + (end - start) * at / span;
}

int ramp_colour(const Gradient &g, int at, int span)
{
    return cached_makecol(ramp(g.start_r, g.end_r, at, span), ramp(g.start_g, g.end_g, at, span),
                          ramp(g.start_b, g.end_b, at, span));
}

}  // namespace

void photon_gradient(BITMAP *bmp, int x1, int y1, int x2, int y2, const Gradient &g, int across)
{
    if (across) {
        for (int c = x1; c <= x2; c++) vline(bmp, c, y1, y2, ramp_colour(g, c - x1, x2 - x1));
    } else {
        for (int r = y1; r <= y2; r++) hline(bmp, x1, r, x2, ramp_colour(g, r - y1, y2 - y1));
    }
}

void photon_frame(BITMAP *bmp, int x, int y, int w, int h, int width)
{
    const int r = x + w - 1, b = y + h - 1;
    // The dark outline thickens inward, a ring per pixel of width past two;
    // rings past the first stop at the frame's middle.
    const int side = std::min(w, h);
    for (int i = 1; i < width && (i == 1 || 2 * i < side); i++)
        rect(bmp, x + i, y + i, r - i, b - i, photon_colour(PH_ETCH_DARK));
    hline(bmp, x, y, r - 1, photon_colour(PH_ETCH_TOP));
    vline(bmp, x, y, b - 1, photon_colour(PH_ETCH_TOP));
    hline(bmp, x + 1, b, r, photon_colour(PH_ETCH_BOTTOM));
    vline(bmp, r, y + 1, b, photon_colour(PH_ETCH_BOTTOM));
}

void photon_panel(BITMAP *bmp, int x, int y, int w, int h, int colour, int width)
{
    photon_frame(bmp, x, y, w, h, width);
    // A frame wider than the panel leaves it no face (rectfill would swap
    // the corners and fill across the frame).
    if (width <= 2 || (w > 2 * width && h > 2 * width))
        rectfill(bmp, x + width, y + width, x + w - 1 - width, y + h - 1 - width, colour);
}

int photon_frame_inset(int w, int h)
{
    if (photon_bevel_width <= 2) return photon_bevel_width;
    return std::max(2, std::min(photon_bevel_width, std::min(w, h) / 2));
}

void photon_text(BITMAP *bmp, const char *text, int x, int y, int flags, int centred)
{
    // Both passes are transparent, so the text background mode is not touched.
    int colour = photon_colour(PH_BLACK);
    if (flags & D_DISABLED) {
        gui_textout_ex(bmp, text, x + 1, y + 1, photon_colour(PH_WHITE), -1, centred);
        colour = photon_colour(PH_DISABLED);
    }
    gui_textout_ex(bmp, text, x, y, colour, -1, centred);

    if (flags & D_GOTFOCUS) {
        const int len = text_length(font, text);
        const int uy = y + text_height(font);
        if (len <= 0) return;  // nothing to underline
        if (centred)
            hline(bmp, x - len / 2, uy, x + len / 2 - 1, photon_colour(PH_FOCUS_BLUE));
        else
            hline(bmp, x, uy, x + len - 1, photon_colour(PH_FOCUS_BLUE));
    }
}

void photon_scroll_handle(BITMAP *bmp, int x, int y, int w, int h, int vertical, int position, int length)
{
    const int r = x + w - 1, b = y + h - 1;
    const int edge = photon_colour(PH_SCROLL_EDGE);
    const int black = photon_colour(PH_BLACK);
    hline(bmp, x, y, r, edge);
    vline(bmp, x, y, b, edge);

    int tx, ty, tw, tl;
    if (vertical) {
        hline(bmp, x, y + position - 1, r, black);
        hline(bmp, x, y + position + length, r, black);
        if (y + position + length + 1 < y + h) hline(bmp, x, y + position + length + 1, r, edge);
        tx = x;
        ty = y + position;
        tw = w;
        tl = length;
    } else {
        vline(bmp, x + position - 1, y, b, black);
        vline(bmp, x + position + length, y, b, black);
        if (x + position + length + 1 < x + w) vline(bmp, x + position + length + 1, y, b, edge);
        tx = x + position;
        ty = y;
        tw = length;
        tl = h;
    }

    hline(bmp, tx, ty, tx + tw - 1, photon_colour(PH_WHITE));
    vline(bmp, tx, ty, ty + tl - 1, photon_colour(PH_WHITE));
    hline(bmp, tx, ty + tl - 1, tx + tw - 1, photon_colour(PH_EDGE_DARK));
    vline(bmp, tx + tw - 1, ty, ty + tl - 1, photon_colour(PH_EDGE_DARK));
    photon_gradient(bmp, tx + 1, ty + 1, tx + tw - 2, ty + tl - 2, photon_thumb, vertical);
}

void photon_list_frame(DIALOG *d, int total, int offset, int visible)
{
    const int x = d->x, y = d->y, w = d->w, h = d->h;
    const int r = x + w - 1, b = y + h - 1;
    photon_frame(gui_get_screen(), x, y, w, h, 2);
    if (!scroll_bar_needed(total, visible)) return;

    rect(gui_get_screen(), r - 12, y + 1, r - 1, b - 1, photon_colour(PH_ETCH_DARK));
    rectfill(gui_get_screen(), r - 11, y + 2, r - 2, b - 2, photon_colour(PH_TROUGH));
    const int position = scroll_thumb_offset(total, offset, h - 4);
    const int length = scroll_thumb_length(total, visible, h - 4);
    photon_scroll_handle(gui_get_screen(), r - 11, y + 2, 10, h - 4, 1, position, length);
}

void photon_grip_dot(BITMAP *bmp, int x, int y)
{
    putpixel(bmp, x, y, photon_colour(PH_GRIP_LIGHT));
    putpixel(bmp, x + 1, y, photon_colour(PH_EDGE_DARK));
    putpixel(bmp, x, y + 1, photon_colour(PH_EDGE_DARK));
    putpixel(bmp, x + 1, y + 1, photon_colour(PH_GRIP_DARK));
}

void photon_knob(BITMAP *bmp, int x, int y, int w, int h, int across)
{
    rect(bmp, x, y, x + w - 2, y + h - 2, photon_colour(PH_ETCH_DARK));
    hline(bmp, x + 1, y + h - 3, x + w - 3, photon_colour(PH_KNOB_SHADE));
    vline(bmp, x + w - 3, y + 1, y + h - 3, photon_colour(PH_KNOB_SHADE));
    hline(bmp, x + 1, y + 1, x + w - 3, photon_colour(PH_KNOB_LIGHT));
    vline(bmp, x + 1, y + 1, y + h - 3, photon_colour(PH_KNOB_LIGHT));
    photon_gradient(bmp, x + 2, y + 2, x + w - 4, y + h - 4, photon_knob_face, across);
    hline(bmp, x + 1, y + h - 1, x + w - 1, photon_colour(PH_KNOB_EDGE));
    vline(bmp, x + w - 1, y + 1, y + h - 1, photon_colour(PH_KNOB_EDGE));
}
