#include "widgets/looks/shared/list_well.h"

void draw_list_well(int x, int y, int w, int h, const ListWellColours &colours)
{
    const int x2 = x + w - 1, y2 = y + h - 1;
    hline(gui_get_screen(), x, y, x2, colours.outer_dark);
    vline(gui_get_screen(), x, y, y2, colours.outer_dark);
    hline(gui_get_screen(), x + 1, y + 1, x + w - 2, colours.inner_dark);
    vline(gui_get_screen(), x + 1, y + 1, y + h - 2, colours.inner_dark);
    hline(gui_get_screen(), x + 2, y + h - 2, x + w - 2, colours.inner_light);
    vline(gui_get_screen(), x + w - 2, y + 2, y + h - 3, colours.inner_light);
    hline(gui_get_screen(), x + 1, y2, x2, colours.outer_light);
    vline(gui_get_screen(), x2, y + 1, y + h - 2, colours.outer_light);
}
