// The "Win95" look's small images, built at init from character art in
// the palette's colours.
#include "widgets/looks/win95/look.h"

BITMAP *w95_radio_off;
BITMAP *w95_radio_on;
BITMAP *w95_radio_pressed;
BITMAP *w95_check_mark;
BITMAP *w95_submenu_arrow;

namespace {

// Colour key of the art: blank is transparent when drawn as a sprite, the
// other characters are palette parameters.
// clang-format off
const ParamArtColour ART_COLOURS[] = {
    { '.', W95_P_WHITE },
    { 'X', W95_P_BLACK },
    { 'a', W95_P_GREY165 },
    { 'x', W95_P_GREY149 },
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

void w95_build_bitmaps(void)
{
    // Set up again without a shutdown in between: drop the old images
    // rather than lose them.
    w95_free_bitmaps();
    constexpr int COLOURS = sizeof ART_COLOURS / sizeof ART_COLOURS[0];
    ArtKey key[1 + COLOURS] = {{' ', ART_MASK, 0, 0}};
    param_art_keys(key + 1, ART_COLOURS, COLOURS, WIN95_PARAMS);
    // A failed create_bitmap leaves its image null; the drawing skips it.
    w95_radio_off = bitmap_from_art(RADIO_OFF, 12, 12, key);
    w95_radio_on = bitmap_from_art(RADIO_ON, 12, 12, key);
    w95_radio_pressed = bitmap_from_art(RADIO_PRESSED, 12, 12, key);
    w95_check_mark = bitmap_from_art(CHECK_MARK, 9, 9, key);
    w95_submenu_arrow = bitmap_from_art(SUBMENU_ARROW, 8, 7, key);
}

void w95_free_bitmaps(void)
{
    destroy_art_bitmap(w95_radio_off);
    destroy_art_bitmap(w95_radio_on);
    destroy_art_bitmap(w95_radio_pressed);
    destroy_art_bitmap(w95_check_mark);
    destroy_art_bitmap(w95_submenu_arrow);
}
