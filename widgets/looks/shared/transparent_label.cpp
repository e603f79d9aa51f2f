#include "widgets/looks/shared/transparent_label.h"

#include <allegro.h>

#include "widgets/looks/shared/text_mode.h"

void draw_transparent_label(const char *text, int x, int y, int colour, int centre)
{
    const int old_mode = theme_text_mode(-1);
    gui_textout_ex(gui_get_screen(), text, x, y, colour, _textmode, centre);
    theme_text_mode(old_mode);
}
