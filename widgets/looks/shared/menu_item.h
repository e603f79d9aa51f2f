// A menu item's contents as "GTK" and "Win95" both draw them, once the look
// has filled the item's background and set the text mode to it:
//   - an empty text is a separator: two lines, dark then light, at
//     th/2 + 2 and th/2 + 3 from the top, 4 pixels in from either side;
//   - otherwise the label at (x + 8, y + 1) and the part after a tab
//     right-aligned to end 10 pixels left of the item's right edge;
//   - a submenu arrow near the right edge for items with a child that are not
//     on the menu bar (never on a separator);
//   - a tick for a checked (D_SELECTED) item, in the text colour.
// The look supplies the colours and its arrow image; it restores the text
// mode afterwards.
#ifndef WIDGETS_MENU_ITEM_H
#define WIDGETS_MENU_ITEM_H

#include <allegro.h>

struct MenuItemStyle {
    int text_colour;
    int separator_dark;
    int separator_light;
    BITMAP *submenu_arrow;  // may be null: no arrow drawn

    // Looks that place the separator or the arrow elsewhere say so here;
    // the defaults are the placement described above.
    int separator_left = 4;   // the lines run from x + separator_left ...
    int separator_right = 4;  // ... to x + w - separator_right
    int separator_row = 2;    // dark line at y + th/2 + separator_row, light one below
    int arrow_lift = -1;      // -1: arrow centred in the item; else its top at y + h/2 - arrow_lift
};

void draw_menu_item_content(MENU *m, int x, int y, int w, int h, int bar, const MenuItemStyle &style);

#endif
