// The "Win95" drawing primitives: the button bevel (two pixels unless its
// parameter says otherwise), the sunken field frame, the flat one-pixel
// frame, the dotted focus rectangle and the clipped title text.
#include "widgets/looks/win95/look.h"

#include <algorithm>

void w95_button_bevel(int x, int y, int w, int h, int pressed)
{
    const int x2 = x + w - 1;
    const int y2 = y + h - 1;
    // Raised: light outside and white inside on the upper left, black
    // outside and grey inside on the lower right. Pressed swaps the roles.
    const int outer_tl = pressed ? w95_shadow : w95_light;
    const int outer_br = pressed ? w95_white : w95_black;
    const int inner_tl = pressed ? w95_black : w95_white;
    const int inner_br = pressed ? w95_light : w95_shadow;

    hline(gui_get_screen(), x, y, x + w - 2, outer_tl);
    vline(gui_get_screen(), x, y + 1, y + h - 2, outer_tl);
    hline(gui_get_screen(), x, y2, x2, outer_br);
    vline(gui_get_screen(), x2, y, y + h - 2, outer_br);
    // The inner ring, repeated inward out to the bevel's width (two pixels
    // by default); rings past the first stop at the box's middle.
    const int side = std::min(w, h);
    for (int i = 1; i < w95_bevel_width && (i == 1 || 2 * i < side); ++i) {
        hline(gui_get_screen(), x + i, y + i, x + w - 2 - i, inner_tl);
        vline(gui_get_screen(), x + i, y + i + 1, y + h - 2 - i, inner_tl);
        hline(gui_get_screen(), x + i, y + h - 1 - i, x + w - 1 - i, inner_br);
        vline(gui_get_screen(), x + w - 1 - i, y + i, y + h - 2 - i, inner_br);
    }
    // A bevel too small to have a face must not fill outside itself
    // (rectfill swaps reversed corners).
    const int edge = std::max(w95_bevel_width, 1);
    if (w > 2 * edge && h > 2 * edge)
        rectfill(gui_get_screen(), x + edge, y + edge, x + w - 1 - edge, y + h - 1 - edge, w95_face);
}

void w95_field(int x, int y, int w, int h)
{
    const int x2 = x + w - 1;
    const int y2 = y + h - 1;
    hline(gui_get_screen(), x, y, x + w - 2, w95_grey149);
    vline(gui_get_screen(), x, y, y + h - 2, w95_grey149);
    hline(gui_get_screen(), x + 1, y + 1, x + w - 3, w95_black);
    vline(gui_get_screen(), x + 1, y + 1, y + h - 3, w95_black);
    hline(gui_get_screen(), x + 1, y + h - 2, x + w - 2, w95_grey165);
    vline(gui_get_screen(), x + w - 2, y + 1, y + h - 2, w95_grey165);
    hline(gui_get_screen(), x, y2, x2, w95_white);
    vline(gui_get_screen(), x2, y, y2, w95_white);
}

void w95_flat(int x, int y, int w, int h, int kind)
{
    const int x2 = x + w - 1;
    const int y2 = y + h - 1;
    rectfill(gui_get_screen(), x, y, x2, y2, w95_face);
    if (kind == 0) return;
    // Kind 1 is raised; kinds 2 and 3 (selected, with or without focus)
    // are sunken.
    const int top_left = kind == 1 ? w95_white : w95_grey149;
    const int bottom_right = kind == 1 ? w95_grey149 : w95_white;
    hline(gui_get_screen(), x, y, x + w - 2, top_left);
    vline(gui_get_screen(), x, y, y + h - 2, top_left);
    hline(gui_get_screen(), x, y2, x2, bottom_right);
    vline(gui_get_screen(), x2, y, y2, bottom_right);
}

void w95_dotted_rect(int x1, int y1, int x2, int y2)
{
    dotted_rect_outline(x1, y1, x2, y2, w95_black, w95_face);
}

void w95_text_clipped(int x, int y, int w, const char *text, int fg, int bg)
{
    if (w <= 0) return;
    const int th = text_height(font);
    const int old_mode = theme_text_mode(bg);
    // The mouse pointer is only in the way on the visible screen.
    const bool visible = gui_get_screen() == screen;
    if (visible) scare_mouse_area(x, y, w, th);
    {
        const ClipWithin title(gui_get_screen(), x, y, x + w - 1, y + th - 1);
        textout_ex(gui_get_screen(), font, text, x, y, fg, _textmode);
        const int length = text_length(font, text);
        if (length < w) rectfill(gui_get_screen(), x + length, y, x + w - 1, y + th - 1, bg);
    }
    if (visible) unscare_mouse();
    theme_text_mode(old_mode);
}
