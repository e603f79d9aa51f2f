// The "Win95" palette, its parameters, and the small images it builds from
// character art.
#include "widgets/looks/shared/param_art.h"
#include "widgets/looks/win95/look.h"

int w95_white;
int w95_light;
int w95_face;
int w95_shadow;
int w95_black;
int w95_grey165;
int w95_grey149;
int w95_select;
int w95_check_size;
int w95_scrollbar_width;
int w95_bevel_width;
int w95_check_padding;
int w95_field_padding;

BITMAP *w95_radio_off;
BITMAP *w95_radio_on;
BITMAP *w95_radio_pressed;
BITMAP *w95_check_mark;
BITMAP *w95_submenu_arrow;

namespace {

// The palette's cells, in the order of WIN95_PARAMS.
int *const CELLS[W95_P_CHECK_SIZE] = {
    &w95_white, &w95_light, &w95_face, &w95_shadow, &w95_black, &w95_grey165, &w95_grey149, &w95_select,
};

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

// clang-format off
const LookParamDef WIN95_PARAMS[WIN95_PARAM_COUNT] = {
    colour_param("white",       0xFFFFFF, "outer highlight, field background, title text"),
    colour_param("light",       0xDFDFDF, "inner highlight, scroll trough"),
    colour_param("face",        0xBFBFBF, "face of everything"),
    colour_param("shadow",      0x7F7F7F, "inner shadow, pressed frame, disabled labels"),
    colour_param("black",       0x000000, "outer shadow, outlines, text, caret"),
    colour_param("field_edge",  0xA5A5A5, "inner edge of fields, disabled edit text"),
    colour_param("thin_shadow", 0x959595, "thin shadows, separators"),
    colour_param("select",      0x00009C, "selection, highlighted menu item, title bar"),
    size_param  ("check_size",  13, 40,   "check box; the radio button is one less"),
    LookParamDef{"scrollbar_width", THEME_PARAM_PIXELS, 12, 6, 40, "scroll bar of lists and text boxes"},
    pixels_param("bevel_width", 2,  1, 8, "bevels of buttons, windows, scroll and slider thumbs"),
    pixels_param("check_padding", 2, 0, 24, "space left of check boxes and radio buttons"),
    pixels_param("field_padding", 2, 0, 8, "space between an edit field's frame and its text"),
};
// clang-format on

const LookParamTable win95_param_table = look_param_table(&win95_record, WIN95_PARAMS);

void w95_make_palette(void)
{
    for (int p = 0; p < W95_P_CHECK_SIZE; p++) *CELLS[p] = look_colour_value(WIN95_PARAMS[p]);
    w95_check_size = look_size_value(WIN95_PARAMS[W95_P_CHECK_SIZE]);
    w95_scrollbar_width = look_value(WIN95_PARAMS[W95_P_SCROLLBAR_WIDTH]);
    w95_bevel_width = look_value(WIN95_PARAMS[W95_P_BEVEL_WIDTH]);
    w95_check_padding = look_value(WIN95_PARAMS[W95_P_CHECK_PADDING]);
    w95_field_padding = look_value(WIN95_PARAMS[W95_P_FIELD_PADDING]);
}

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
