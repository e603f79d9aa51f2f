// What the looks' menu hooks share: an item's contents, its text split at
// the tab, and a frame drawn by the first item of a menu.
#ifndef WIDGETS_LOOKS_SHARED_MENUS_H
#define WIDGETS_LOOKS_SHARED_MENUS_H

#include <allegro.h>

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

// A menu item's text is "label" or "label\tshortcut": the label drawn at the
// left and the shortcut right-aligned. Every look with menu hooks splits it
// the same way, copying the label into a fixed buffer; a label too long for
// the buffer is cut to fit, on a character boundary, so the buffer always
// holds whole characters of the current encoding and its terminator.

enum { MENU_TEXT_BUFFER = 256 };

// Copies the label (the text before the first tab) into buf, which holds
// `size` bytes; returns the text after the tab, or null when there is none.
// A null text is an empty label.
const char *menu_text_split(const char *text, char *buf, int size);

// Allegro announces a menu through the draw-menu hook before drawing its
// items, but only an item is told whether it sits on the menu bar. Looks
// that frame the bar differently from a pop-up ("Photon", "BeOS") remember
// the announced rectangle and let the first item after it draw the frame;
// an item redrawn later, as the highlight moves, leaves the frame alone.

struct DeferredMenuFrame {
    int x = 0, y = 0, w = 0, h = 0;
    // A menu was announced and its frame is not drawn yet. Starts false: an
    // item drawn before any announcement has no frame to draw.
    bool pending = false;

    void announce(int ax, int ay, int aw, int ah)
    {
        x = ax;
        y = ay;
        w = aw;
        h = ah;
        pending = true;
    }

    // True for the first item after an announcement only.
    bool take()
    {
        const bool first = pending;
        pending = false;
        return first;
    }
};

#endif
