#include "widgets/looks/shared/menus.h"

#include <allegro.h>
#include <cstring>

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

const char *menu_text_split(const char *text, char *buf, int size)
{
    const int terminator = ucwidth(0);
    if (size < terminator) return nullptr;  // no room even for an empty label
    int used = 0;
    bool full = false;
    usetc(buf, 0);
    if (!text) return nullptr;

    for (const char *p = text;;) {
        const int ch = ugetc(p);
        if (ch == 0) return nullptr;
        const int bytes = uwidth(p);
        if (ch == '\t') return p + bytes;
        // Once a character does not fit, later (smaller) ones are not taken
        // either: the label is cut, not thinned out.
        if (!full && used + bytes + terminator <= size) {
            std::memcpy(buf + used, p, bytes);
            used += bytes;
            usetc(buf + used, 0);
        } else {
            full = true;
        }
        p += bytes;
    }
}
