// The "GTK" look's menus: Allegro's own d_menu_proc (in the look's record),
// drawn through the two hooks the look installs at init (a raised framed
// background and lit items).
#include "widgets/looks/gtk/look.h"

void gtk_draw_menu(int x, int y, int w, int h)
{
    gtk_box(x, y, w, h, GTK_RAISED, 1);
}

void gtk_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    int fg, bg;
    if (m->flags & D_DISABLED) {
        fg = gtk_shadow;
        bg = gtk_face;
    } else {
        fg = gtk_black;
        bg = sel ? gtk_prelight : gtk_face;
    }
    rectfill(gui_get_screen(), x + 1, y + 1, x + w - 3, y + h - 4, bg);
    const int old_mode = theme_text_mode(bg);
    draw_menu_item_content(m, x, y, w, h, bar, MenuItemStyle{fg, gtk_shadow, gtk_prelight, gtk_submenu_arrow});
    theme_text_mode(old_mode);
}
