#include "widgets/looks/shared/menu_item.h"

#include "widgets/looks/shared/menu_text.h"

void draw_menu_item_content(MENU *m, int x, int y, int w, int h, int bar, const MenuItemStyle &style)
{
    const int th = text_height(font);
    const char *text = m->text ? m->text : "";
    if (ugetc(text) == 0) {
        const int left = x + style.separator_left, right = x + w - style.separator_right;
        const int row = y + th / 2 + style.separator_row;
        hline(gui_get_screen(), left, row, right, style.separator_dark);
        hline(gui_get_screen(), left, row + 1, right, style.separator_light);
    } else {
        char label[MENU_TEXT_BUFFER];
        const char *rest = menu_text_split(text, label, sizeof label);
        gui_textout_ex(gui_get_screen(), label, x + 8, y + 1, style.text_colour, _textmode, 0);
        if (rest)
            gui_textout_ex(gui_get_screen(), rest, x + w - gui_strlen(rest) - 10, y + 1, style.text_colour, _textmode,
                           0);
        if (m->child && !bar && style.submenu_arrow) {
            const int top = style.arrow_lift < 0 ? y + (h - style.submenu_arrow->h) / 2 : y + h / 2 - style.arrow_lift;
            draw_sprite(gui_get_screen(), style.submenu_arrow, x + w - 12, top);
        }
    }
    if (m->flags & D_SELECTED) {
        line(gui_get_screen(), x + 1, y + th / 2 + 1, x + 3, y + th + 1, style.text_colour);
        line(gui_get_screen(), x + 3, y + th + 1, x + 6, y + 2, style.text_colour);
    }
}
