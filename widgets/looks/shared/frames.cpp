#include "widgets/looks/shared/frames.h"

#include "widgets/core/clip_within.h"
#include "widgets/looks/shared/text.h"

void draw_window_title(DIALOG *d, int fg, int bg)
{
    if (!d->dp) return;
    const int old_mode = theme_text_mode(bg);
    {
        const ClipWithin row(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
        textout_ex(gui_get_screen(), font, static_cast<const char *>(d->dp), d->x + 6, d->y + 6, fg, _textmode);
    }
    theme_text_mode(old_mode);
}

void draw_centred_title(DIALOG *d, int y, int colour)
{
    if (!d->dp) return;
    const ClipWithin row(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
    textout_centre_ex(gui_get_screen(), font, static_cast<const char *>(d->dp), d->x + d->w / 2, y, colour, -1);
}
