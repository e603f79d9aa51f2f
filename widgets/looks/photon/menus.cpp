// The "Photon" look's menus. The frame is drawn by the first item after the
// menu's announcement, under that item's bar flag.
#include "widgets/looks/photon/look.h"

namespace {

DeferredMenuFrame pending_frame;

void draw_bar_item(int x, int y, int r, int b, int sel)
{
    const int white = photon_colour(PH_WHITE), shade = photon_colour(PH_CROSS_SHADE);
    if (sel) {
        rect(gui_get_screen(), x + 6, y, r - 3, b + 1, photon_colour(PH_ETCH_DARK));
        hline(gui_get_screen(), x + 7, y + 1, r - 4, white);
        vline(gui_get_screen(), x + 7, y + 1, b - 1, white);
        hline(gui_get_screen(), x + 7, b, r - 4, shade);
        vline(gui_get_screen(), r - 4, y, b, shade);
        photon_gradient(gui_get_screen(), x + 8, y + 2, r - 5, b - 1, photon_thumb, 0);
    } else {
        hline(gui_get_screen(), x + 6, y, r - 3, white);
        hline(gui_get_screen(), x + 6, b, r - 3, shade);
        photon_gradient(gui_get_screen(), x + 6, y + 1, r - 3, b - 1, photon_bar, 0);
    }
}

}  // namespace

void photon_menu_frame(int x, int y, int w, int h, int bar)
{
    const int r = x + w - 1, b = y + h - 1;
    const int white = photon_colour(PH_WHITE), shade = photon_colour(PH_CROSS_SHADE);
    rect(gui_get_screen(), x, y, r, b, photon_colour(PH_ETCH_DARK));
    hline(gui_get_screen(), x + 1, y + 1, r - 1, white);
    vline(gui_get_screen(), x + 1, y + 1, b - 1, white);
    hline(gui_get_screen(), x + 1, b - 1, r - 1, shade);
    vline(gui_get_screen(), r - 1, y + 1, b - 1, shade);
    if (bar)
        photon_gradient(gui_get_screen(), x + 2, y + 2, r - 2, b - 2, photon_bar, 0);
    else
        rectfill(gui_get_screen(), x + 2, y + 2, r - 2, b - 2, photon_colour(PH_MENU_FACE));
}

void photon_draw_menu(int x, int y, int w, int h)
{
    pending_frame.announce(x, y, w, h);
}

void photon_draw_menu_item(MENU *m, int x, int y, int w, int h, int bar, int sel)
{
    const int r = x + w - 1, b = y + h - 1;
    const int th = text_height(font);

    if (pending_frame.take()) {
        const DeferredMenuFrame &f = pending_frame;
        photon_menu_frame(f.x, f.y, f.w, f.h, bar);
    }

    const char *text = m->text ? m->text : "";
    if (ugetc(text)) {
        if (bar)
            draw_bar_item(x, y, r, b, sel);
        else if (!(m->flags & D_DISABLED))
            rectfill(gui_get_screen(), x + 3, y + 1, r - 4, b - 3, photon_colour(sel ? PH_FOCUS_BLUE : PH_MENU_FACE));

        char label[MENU_TEXT_BUFFER];
        const char *shortcut = menu_text_split(text, label, sizeof label);
        photon_text(gui_get_screen(), label, bar ? x + 9 : x + 4, y + 1, m->flags, FALSE);
        if (shortcut)
            photon_text(gui_get_screen(), shortcut, x + w - gui_strlen(shortcut) - 15, y + 1, m->flags, FALSE);
        if (m->child && !bar && photon_arrow) draw_sprite(gui_get_screen(), photon_arrow, r - 11, y + (h - 9) / 2);
    } else {
        const int sy = y + th / 2;
        hline(gui_get_screen(), x, sy - 1, r, photon_colour(PH_CROSS_SHADE));
        hline(gui_get_screen(), x, sy, r, photon_colour(PH_ETCH_DARK));
        hline(gui_get_screen(), x, sy + 1, r, photon_colour(PH_WHITE));
    }

    if (m->flags & D_SELECTED) {
        line(gui_get_screen(), r - 9, y + th / 2, r - 7, y + th, photon_colour(PH_TICK));
        line(gui_get_screen(), r - 7, y + th, r - 4, y + 1, photon_colour(PH_TICK));
    }
}
