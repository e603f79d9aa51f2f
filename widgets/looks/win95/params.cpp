// The "Win95" look's parameters: its palette and its metrics, and the
// values its init reads from them.
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

namespace {

// The palette's cells, in the order of WIN95_PARAMS.
int *const CELLS[W95_P_CHECK_SIZE] = {
    &w95_white, &w95_light, &w95_face, &w95_shadow, &w95_black, &w95_grey165, &w95_grey149, &w95_select,
};

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
