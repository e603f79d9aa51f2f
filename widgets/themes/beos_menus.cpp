// The look's menu hooks. Allegro announces a menu's rectangle, then draws
// its items one by one; the frame is drawn by the first item after each
// announcement, so redrawing a single item (the highlight moving) leaves
// the frame alone.
#include "widgets/menu_text.h"
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

    const int th = text_height(font);
    if (m->text && ugetc(m->text) != 0) {
        // "label\tshortcut": the label at the left, the shortcut 10 pixels
        // in from the right edge.
        char label[MENU_TEXT_BUFFER];
        const char *shortcut = menu_text_split(m->text, label, sizeof label);
        gui_textout_ex(screen, label, x + 8, y + 1, fg, bg, 0);
        if (shortcut) gui_textout_ex(screen, shortcut, x + w - gui_strlen(shortcut) - 10, y + 1, fg, bg, 0);
        if (m->child && !bar) {
            BITMAP *arrow = beos_arrow_bitmaps[sel ? 1 : 0];
            if (arrow) draw_sprite(screen, arrow, x + w - 12, y + h / 2 - 7);
        }
    } else {
        // An empty text is a separator: an etched groove.
        hline(screen, x, y + th / 2 - 1, x + w - 1, pal.menu_separator);
        hline(screen, x, y + th / 2, x + w - 1, pal.menu_light);
    }

    // A ticked item.
    if (m->flags & D_SELECTED) {
        line(screen, x + 1, y + th / 2 + 1, x + 3, y + th + 1, fg);
        line(screen, x + 3, y + th + 1, x + 6, y + 2, fg);
    }
}
