// The "NeXTStep" look's menus: the menu is a raised bevel and every item is
// a raised bevel of its own; the highlighted item turns white.
#include "widgets/looks/nextstep/look.h"

void nextstep_draw_menu(int x, int y, int w, int h)
{
    nextstep_bevel(gui_get_screen(), x, y, w, h, BEVEL_RAISED);
}

void nextstep_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    // A disabled item stays grey with dimmed text even under the pointer.
    const bool disabled = m->flags & D_DISABLED;
    const bool lit = sel && !disabled;
    const int back = nextstep_colour(lit ? NX_WHITE : NX_GREY);

    nextstep_bevel(gui_get_screen(), x, y, w, h, lit ? BEVEL_WHITE : BEVEL_RAISED);

    MenuItemStyle style;
    style.text_colour = nextstep_colour(disabled ? NX_DISABLED : NX_BLACK);
    style.separator_dark = nextstep_colour(NX_DARK);
    style.separator_light = nextstep_colour(NX_WHITE);
    style.submenu_arrow = sel ? nextstep_arrow_selected : nextstep_arrow;
    const int old_mode = theme_text_mode(back);
    draw_menu_item_content(m, x, y, w, h, bar, style);
    theme_text_mode(old_mode);
}
