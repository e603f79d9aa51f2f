// The "Win95" palette and the small images it builds from character art.
#include "widgets/shared/char_art.h"
#include "widgets/themes/win95/look.h"

int w95_white;
int w95_light;
int w95_face;
int w95_shadow;
int w95_black;
int w95_grey165;
int w95_grey149;
int w95_select;

BITMAP *w95_radio_off;
BITMAP *w95_radio_on;
BITMAP *w95_radio_pressed;
BITMAP *w95_check_mark;
BITMAP *w95_submenu_arrow;

namespace {

struct PaletteEntry {
    int *colour;
    int r, g, b;
};

// Palette: colour cell, red, green, blue.
// clang-format off
const PaletteEntry COLOURS[] = {
    { &w95_white,   255, 255, 255 },  // outer highlight, field background, title text
    { &w95_light,   223, 223, 223 },  // inner highlight, scroll trough
    { &w95_face,    191, 191, 191 },  // face of everything
    { &w95_shadow,  127, 127, 127 },  // inner shadow, pressed frame, disabled labels
    { &w95_black,     0,   0,   0 },  // outer shadow, outlines, text, caret
    { &w95_grey165, 165, 165, 165 },  // inner edge of fields, disabled edit text
    { &w95_grey149, 149, 149, 149 },  // thin shadows, separators
    { &w95_select,    0,   0, 156 },  // selection, highlighted menu item, title bar
};

// Colour key of the art: blank is transparent when drawn as a sprite.
const ArtKey KEY[] = {
    { ' ', ART_MASK,   0,   0 },
    { '.',      255, 255, 255 },
    { 'X',        0,   0,   0 },
    { 'a',      165, 165, 165 },
    { 'x',      149, 149, 149 },
};

// Radio button, 12x12, unselected.
const char *const RADIO_OFF[] = {
    "    xxxx    ",
    "  xxXXXXxx  ",
    " xXX....XX. ",
    " xX......a. ",
    "xX........a.",
    "xX........a.",
    "xX........a.",
    "xX........a.",
    " xX......a. ",
    " xaa....aa. ",
    "  ..aaaa..  ",
    "    ....    ",
};

// Radio button, 12x12, selected.
const char *const RADIO_ON[] = {
    "    xxxx    ",
    "  xxXXXXxx  ",
    " xXX....XX. ",
    " xX......a. ",
    "xX...XX...a.",
    "xX..XXXX..a.",
    "xX..XXXX..a.",
    "xX...XX...a.",
    " xX......a. ",
    " xaa....aa. ",
    "  ..aaaa..  ",
    "    ....    ",
};

// Radio button, 12x12, selected and held down with the mouse.
const char *const RADIO_PRESSED[] = {
    "    xxxx    ",
    "  xxXXXXxx  ",
    " xXXaaaaXX. ",
    " xXaaaaaaa. ",
    "xXaaaXXaaaa.",
    "xXaaXXXXaaa.",
    "xXaaXXXXaaa.",
    "xXaaaXXaaaa.",
    " xXaaaaaaa. ",
    " xaaaaaaaa. ",
    "  ..aaaa..  ",
    "    ....    ",
};

// Check mark, 9x9, drawn into a checked box.
const char *const CHECK_MARK[] = {
    "         ",
    "       X ",
    "      XX ",
    " X   XXX ",
    " XX XXX  ",
    " XXXXX   ",
    "  XXX    ",
    "   X     ",
    "         ",
};

// Arrow of menu items that open a submenu, 8x7.
const char *const SUBMENU_ARROW[] = {
    "XX      ",
    "XXXX    ",
    "XXXXXX  ",
    "XXXXXXXX",
    "XXXXXX  ",
    "XXXX    ",
    "XX      ",
};
// clang-format on

}  // namespace

void w95_make_palette(void)
{
    for (const PaletteEntry &entry : COLOURS) *entry.colour = makecol(entry.r, entry.g, entry.b);
}

void w95_build_bitmaps(void)
{
    // Set up again without a shutdown in between: drop the old images
    // rather than lose them.
    w95_free_bitmaps();
    // A failed create_bitmap leaves its image null; the drawing skips it.
    w95_radio_off = bitmap_from_art(RADIO_OFF, 12, 12, KEY);
    w95_radio_on = bitmap_from_art(RADIO_ON, 12, 12, KEY);
    w95_radio_pressed = bitmap_from_art(RADIO_PRESSED, 12, 12, KEY);
    w95_check_mark = bitmap_from_art(CHECK_MARK, 9, 9, KEY);
    w95_submenu_arrow = bitmap_from_art(SUBMENU_ARROW, 8, 7, KEY);
}

void w95_free_bitmaps(void)
{
    destroy_art_bitmap(w95_radio_off);
    destroy_art_bitmap(w95_radio_on);
    destroy_art_bitmap(w95_radio_pressed);
    destroy_art_bitmap(w95_check_mark);
    destroy_art_bitmap(w95_submenu_arrow);
}
