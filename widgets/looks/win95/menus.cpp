// The "Win95" menu hooks: a raised grey menu, pop-up items highlighted in
// blue, and the open item of a menu bar drawn raised.
#include "widgets/looks/win95/look.h"

void w95_draw_menu(int x, int y, int w, int h)
{
    const int x2 = x + w - 1, y2 = y + h - 1;
    rectfill(gui_get_screen(), x + 1, y + 1, x2, y2, w95_face);
    hline(gui_get_screen(), x, y, x2, w95_white);
    vline(gui_get_screen(), x, y, y2, w95_white);
    hline(gui_get_screen(), x + 1, y + h - 2, x + w - 2, w95_grey149);
    vline(gui_get_screen(), x + w - 2, y + 1, y + h - 2, w95_grey149);
    hline(gui_get_screen(), x, y2, x2, w95_black);
    vline(gui_get_screen(), x2, y, y2, w95_black);
}

void w95_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    const int x2 = x + w - 1, y2 = y + h - 1;
    int fg, bg;
    if (m->flags & D_DISABLED) {
        fg = w95_grey149;
        bg = w95_face;
    } else if (sel && !bar) {
        fg = w95_face;  // highlighted pop-up item: grey on blue
        bg = w95_select;
    } else {
        fg = w95_black;
        bg = w95_face;
    }

    rectfill(gui_get_screen(), x, y, x2, y2, bg);
    if (bar && sel) {
        // The open item of a menu bar stands out raised.
        hline(gui_get_screen(), x, y, x2, w95_white);
        vline(gui_get_screen(), x, y, y2, w95_white);
        hline(gui_get_screen(), x + 1, y2, x2, w95_grey149);
        vline(gui_get_screen(), x2, y + 1, y2, w95_grey149);
    }
    const int old_mode = theme_text_mode(bg);
    draw_menu_item_content(m, x, y, w, h, bar, MenuItemStyle{fg, w95_grey149, w95_light, w95_submenu_arrow});
    theme_text_mode(old_mode);
}
