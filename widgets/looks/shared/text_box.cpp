#include "widgets/looks/shared/text_box.h"

#include <allegro/internal/aintern.h>

int textbox_draw_text(DIALOG *d, const TextBoxStyle &style)
{
    char empty[] = "";
    char *text = d->dp ? static_cast<char *>(d->dp) : empty;
    const int visible = (d->h - 8) / text_height(font);
    const int wrap = (d->flags & D_SELECTED) ? 0 : 1;
    const int disabled = d->flags & D_DISABLED;

    _draw_textbox(text, &d->d1, 0, d->d2, wrap, 8, d->x, d->y, d->w, d->h, disabled, 0, 0, 0);
    int bar;
    if (d->d1 <= visible) {
        bar = style.bar_when_fits;
        d->d2 = 0;
    } else {
        bar = style.bar_when_scrolls;
    }
    _draw_textbox(text, &d->d1, 1, d->d2, wrap, 8, d->x, d->y, d->w - bar, d->h, disabled, style.fg, style.bg,
                  style.disabled);
    return visible;
}
