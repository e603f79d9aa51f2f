// The "ASE" look's drawing primitives: the bevel lines, the fade from top
// to bottom, and the box (outline, bevel, fade and focus dots) that every
// widget it draws is made of.
#include "widgets/looks/ase/look.h"

void ase_bevel_lines(int x1, int y1, int x2, int y2, int top_left, int bottom_right)
{
    hline(gui_get_screen(), x1, y1, x2 - 1, top_left);
    vline(gui_get_screen(), x1, y1 + 1, y2 - 1, top_left);
    hline(gui_get_screen(), x1, y2, x2, bottom_right);
    vline(gui_get_screen(), x2, y1, y2 - 1, bottom_right);
}

// One component (at `shift`) of a fade at row `at` of `span`. A one-row
// span has no slope: it keeps its start rather than dividing by zero.
static int fade(int top_rgb, int bottom_rgb, int shift, int at, int span)
{
    const int top = (top_rgb >> shift) & 0xFF, bottom = (bottom_rgb >> shift) & 0xFF;
    return span == 0 ? top : at * (bottom - top) / span + top;
}

void ase_gradient(int x1, int y1, int x2, int y2, int top_rgb, int bottom_rgb)
{
    const int span = y2 - y1;
    for (int y = y1; y <= y2; y++) {
        const int at = y - y1;
        hline(gui_get_screen(), x1, y, x2,
              cached_makecol(fade(top_rgb, bottom_rgb, 16, at, span), fade(top_rgb, bottom_rgb, 8, at, span),
                             fade(top_rgb, bottom_rgb, 0, at, span)));
    }
}

void ase_box(int x1, int y1, int x2, int y2, int flags)
{
    const bool pressed = (flags & D_SELECTED) != 0;
    const bool focused = (flags & D_GOTFOCUS) != 0;
    int outline, dots, level;
    if (flags & D_DISABLED) {
        outline = ase_colour(ASE_P_DIM);
        dots = ase_colour(ASE_P_DOT_DIM);
        level = ase_rgb[ASE_P_DIM];
    } else {
        outline = ase_colour(ASE_P_TEXT);
        dots = ase_colour(ASE_P_LIGHT);
        level = ase_rgb[focused ? ASE_P_FOCUS : ASE_P_FACE];
    }
    const int light = ase_colour(ASE_P_LIGHT);
    const int dark = ase_colour(ASE_P_DIM);
    const int top = ase_rgb[ASE_P_LIGHT];

    // Pressed turns bevel and fade upside down.
    rect(gui_get_screen(), x1, y1, x2, y2, outline);
    // One bevel ring per pixel of its width (one by default); rings past
    // the first stop where they would cross. The face and the focus dots
    // sit inside the last ring drawn.
    int inset = 1;
    for (int ring = 0; ring < ase_bevel_width; ++ring, ++inset) {
        const int l = x1 + 1 + ring, t = y1 + 1 + ring, r = x2 - 1 - ring, b = y2 - 1 - ring;
        if (ring > 0 && (l >= r || t >= b)) break;
        ase_bevel_lines(l, t, r, b, pressed ? dark : light, pressed ? light : dark);
    }
    ase_gradient(x1 + inset, y1 + inset, x2 - inset, y2 - inset, pressed ? level : top, pressed ? top : level);
    if (focused) {
        // The dotted rectangle follows the face when it sinks.
        const int sink = pressed ? 1 : 0;
        dotted_rect_outline(x1 + inset + sink, y1 + inset + sink, x2 - 1 - inset + sink, y2 - 1 - inset + sink, outline,
                            dots);
    }
}
