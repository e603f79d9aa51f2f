#include "widgets/looks/shared/fields.h"

#include "widgets/looks/shared/text.h"

static const char *edit_text(const DIALOG *d)
{
    return d->dp ? static_cast<const char *>(d->dp) : "";
}

int edit_char_cell(const char *s, int p, bool blank_end, char *buf)
{
    int ch = ugetat(s, p);
    if (ch == 0 && blank_end) ch = ' ';
    usetc(buf + usetc(buf, ch), 0);
    return text_length(font, buf);
}

EditSpan edit_visible_span(DIALOG *d, int inset)
{
    const char *s = edit_text(d);
    const int len = ustrlen(s);
    char buf[16];
    int width;
    if (d->d2 >= len) {
        d->d2 = len;
        width = text_length(font, " ") + 2;  // room for the caret's blank cell
    } else {
        width = 2;
    }
    int count = 0;
    bool cut = false;
    for (int p = d->d2; p >= 0; --p) {
        width += edit_char_cell(s, p, false, buf);
        ++count;
        if (width > d->w - 2 * inset + 4) {
            cut = true;
            break;
        }
    }
    // Scroll whenever the walk back from the caret ran out of room (passed
    // w - 4 for text 4 pixels in). A looser test at w - 2 would leave a band of text widths for
    // which the field draws from the first character and the caret runs off
    // its right edge: with an 8-pixel font a 125-wide field, the game's name
    // field, would never scroll at all.
    if (cut) return EditSpan{d->d2 - count + 2, d->d2};
    return EditSpan{0, len};
}

void edit_draw_chars(DIALOG *d, EditSpan span, const EditTextStyle &style)
{
    const char *s = edit_text(d);
    char buf[16];
    int tx = style.inset;
    for (int p = span.first; p <= span.last; ++p) {
        const int cw = edit_char_cell(s, p, true, buf);
        const int old_mode = theme_text_mode(style.bg);
        textout_ex(gui_get_screen(), font, buf, d->x + tx, d->y + style.inset, style.fg, style.bg);
        theme_text_mode(old_mode);
        if (p == d->d2 && style.show_caret)
            vline(gui_get_screen(), d->x + tx - 1, d->y + style.inset - 1, d->y + style.caret_bottom,
                  style.caret_colour);
        tx += cw;
        if (tx + cw > d->w - style.inset) break;
    }
}
