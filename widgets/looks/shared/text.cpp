#include "widgets/looks/shared/text.h"

#include <allegro.h>

int theme_text_mode(int mode)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return text_mode(mode);
#pragma GCC diagnostic pop
}

void draw_transparent_label(const char *text, int x, int y, int colour, int centre)
{
    const int old_mode = theme_text_mode(-1);
    gui_textout_ex(gui_get_screen(), text, x, y, colour, _textmode, centre);
    theme_text_mode(old_mode);
}

// Allegro's grab_font_from_bitmap reads glyphs from an 8-bit picture: cells
// framed by lines of the colour of its top-left pixel, one after the other
// from the space on. A picture whose other pixels are only 0 and one colour
// makes a monochrome font, drawn in any colour.
FONT *scaled_font(FONT *source, int factor)
{
    enum { FIRST = ' ', LAST = '~', FRAME = 255, INK = 1 };
    if (!source || factor < 1) return nullptr;
    const int gh = text_height(source);
    int width = 1;
    for (int ch = FIRST; ch <= LAST; ++ch) {
        const char one[2] = {static_cast<char>(ch), 0};
        width += text_length(source, one) * factor + 1;
    }
    BITMAP *glyph = create_bitmap_ex(8, 64, gh);
    BITMAP *sheet = create_bitmap_ex(8, width, gh * factor + 2);
    FONT *made = nullptr;
    if (glyph && sheet) {
        clear_to_color(sheet, FRAME);
        int x = 1;
        for (int ch = FIRST; ch <= LAST; ++ch) {
            const char one[2] = {static_cast<char>(ch), 0};
            const int gw = text_length(source, one);
            clear_to_color(glyph, 0);
            textout_ex(glyph, source, one, 0, 0, INK, 0);
            stretch_blit(glyph, sheet, 0, 0, gw, gh, x, 1, gw * factor, gh * factor);
            x += gw * factor + 1;
        }
        made = grab_font_from_bitmap(sheet);
    }
    if (sheet) destroy_bitmap(sheet);
    if (glyph) destroy_bitmap(glyph);
    return made;
}
