#include "widgets/shared/window_title.h"

#include "widgets/shared/text_mode.h"

void draw_window_title(DIALOG *d, int fg, int bg)
{
    if (!d->dp) return;
    const int old_mode = theme_text_mode(bg);
    int cx1, cy1, cx2, cy2;
    get_clip_rect(gui_get_screen(), &cx1, &cy1, &cx2, &cy2);
    const int clipping = get_clip_state(gui_get_screen());
    set_clip_rect(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
    textout_ex(gui_get_screen(), font, static_cast<const char *>(d->dp), d->x + 6, d->y + 6, fg, _textmode);
    set_clip_rect(gui_get_screen(), cx1, cy1, cx2, cy2);
    set_clip_state(gui_get_screen(), clipping);
    theme_text_mode(old_mode);
}
