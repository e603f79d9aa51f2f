// The look's menu hooks. The frame is drawn by the first item after each
// menu's announcement, lighter for the menu bar.
#include "widgets/looks/beos/look.h"

DeferredMenuFrame beos_menu_frame;

void beos_draw_menu(int x, int y, int w, int h)
{
    beos_menu_frame.announce(x, y, w, h);
}

void beos_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    const BeosPalette &pal = beos_colours;
    if (beos_menu_frame.take()) {
        const DeferredMenuFrame &f = beos_menu_frame;
        beos_draw_widget(gui_get_screen(), f.x, f.y, f.w, f.h, 0, bar ? BEOS_MENU_BAR : BEOS_MENU, nullptr);
    }

    int fg, bg;
    if (m->flags & D_DISABLED) {
        fg = pal.mg;
        bg = pal.menu_face;
    } else {
        fg = pal.fg;
        bg = sel ? pal.menu_selected : pal.menu_face;
    }
    rectfill(gui_get_screen(), x, y, x + w - 1, y + h - 1, bg);

    // Label, shortcut, arrow and tick as every look lays them out; this
    // look's separator is a full-width groove just above the middle, and
    // its 13-pixel arrow hangs from 7 pixels above the middle.
    MenuItemStyle style;
    style.text_colour = fg;
    style.separator_dark = pal.menu_separator;
    style.separator_light = pal.menu_light;
    style.submenu_arrow = beos_arrow_bitmaps[sel ? 1 : 0];
    style.separator_left = 0;
    style.separator_right = 1;
    style.separator_row = -1;
    style.arrow_lift = 7;
    const int old_mode = theme_text_mode(bg);
    draw_menu_item_content(m, x, y, w, h, bar, style);
    theme_text_mode(old_mode);
}
