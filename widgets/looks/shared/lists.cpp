#include "widgets/looks/shared/lists.h"

#include <allegro/internal/aintern.h>

#include "widgets/looks/shared/text.h"

enum { LIST_TEXT_BUFFER = 1024 };

bool list_item_selected(const DIALOG *d, int item)
{
    if (item == d->d1) return true;
    return d->dp2 && static_cast<const char *>(d->dp2)[item] != 0;
}

int list_item_count(const DIALOG *d)
{
    int count = 0;
    if (d->dp) reinterpret_cast<ListGetter>(d->dp)(-1, &count);
    return count;
}

ListLayout list_draw_rows(DIALOG *d, const ListStyle &style)
{
    const int th = text_height(font);
    ListLayout layout;
    layout.count = list_item_count(d);
    layout.visible = (d->h - 4) / th;
    layout.bar = scroll_bar_needed(layout.count, layout.visible);
    layout.right = d->x + d->w - (layout.bar ? style.right_inset_bar : style.right_inset_plain);
    const int limit = d->w - (layout.bar ? style.limit_bar : style.limit_plain);
    const int min_width = limit > 1 ? limit : 1;

    char text[LIST_TEXT_BUFFER];
    for (int i = 0; i < layout.visible; ++i) {
        const int item = d->d2 + i;
        const int ry = d->y + 2 + i * th;
        if (item < layout.count) {
            int fg, bg;
            style.row_colours(d, item, &fg, &bg);
            const char *source = reinterpret_cast<ListGetter>(d->dp)(item, nullptr);
            ustrzcpy(text, sizeof text, source ? source : "");

            const int old_mode = theme_text_mode(bg);
            rectfill(gui_get_screen(), d->x + 2, ry, d->x + 9, ry + th - 1, bg);
            // Cut on screen only: the item's own text is never touched.
            int len = ustrlen(text);
            int width = text_length(font, text);
            while (len > 0 && width >= min_width) {
                usetat(text, --len, 0);
                width = text_length(font, text);
            }
            textout_ex(gui_get_screen(), font, text, d->x + 10, ry, fg, _textmode);
            theme_text_mode(old_mode);

            const int tx = d->x + 10 + width;
            if (tx <= layout.right) rectfill(gui_get_screen(), tx, ry, layout.right, ry + th - 1, bg);
        } else {
            rectfill(gui_get_screen(), d->x + 2, ry, layout.right, d->y + (i + 1) * th + 1, style.empty_colour);
        }
    }
    const int below = d->y + 2 + layout.visible * th;
    if (below <= d->y + d->h - 3)
        rectfill(gui_get_screen(), d->x + 2, below, layout.right, d->y + d->h - 3, style.empty_colour);
    return layout;
}

bool scroll_bar_needed(int total, int visible)
{
    return total > 0 && visible < total;
}

int scroll_thumb_length(int total, int visible, int travel)
{
    if (total <= 0) return 0;
    return (total / 2 + visible * travel) / total;
}

int scroll_thumb_offset(int total, int offset, int travel)
{
    if (total <= 0 || offset <= 0) return 0;
    return (total / 2 + travel * offset) / total;
}

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
