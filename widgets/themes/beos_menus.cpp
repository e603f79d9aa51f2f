// The look's menu hooks. Allegro announces a menu's rectangle, then draws
// its items one by one; the frame is drawn by the first item after each
// announcement, so redrawing a single item (the highlight moving) leaves
// the frame alone.
#include "widgets/menu_item.h"
#include "widgets/text_mode.h"
#include "widgets/themes/beos.h"
#include "widgets/themes/beos_palette.h"

BeosRect beos_menu_rect;
int beos_menu_frame_drawn = 0;

void beos_draw_menu(int x, int y, int w, int h)
{
    beos_menu_rect = BeosRect{x, y, w, h};
    beos_menu_frame_drawn = 0;
}

void beos_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    const BeosPalette &pal = beos_colours;
    if (!beos_menu_frame_drawn) {
        const BeosRect &r = beos_menu_rect;
        beos_draw_widget(screen, r.x, r.y, r.w, r.h, 0, bar ? BEOS_MENU_BAR : BEOS_MENU, nullptr);
        beos_menu_frame_drawn = 1;
    }

    int fg, bg;
    if (m->flags & D_DISABLED) {
        fg = pal.mg;
        bg = pal.menu_face;
    } else {
        fg = pal.fg;
        bg = sel ? pal.menu_selected : pal.menu_face;
    }
    rectfill(screen, x, y, x + w - 1, y + h - 1, bg);

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
