// The "NeXTStep" look's parameters: its four shades (and the colour of
// disabled text) and its metrics, and the values its init computes from
// them.
#include "widgets/looks/nextstep/look.h"

namespace {

int nextstep_palette[NX_COLOUR_COUNT];

}  // namespace

int nextstep_check_size = 16;
int nextstep_bevel_width = 2;

int nextstep_colour(NextstepColour c)
{
    return nextstep_palette[c];
}

// clang-format off
const LookParamDef NEXTSTEP_PARAMS[NEXTSTEP_PARAM_COUNT] = {
    colour_param("white",    0xFFFFFF, "highlights, pressed buttons, fields, title text"),
    colour_param("grey",     0xBDBDBD, "face of everything"),
    colour_param("dark",     0x7B7B7B, "inner shadows, scroll troughs"),
    colour_param("black",    0x000000, "outlines, text, title bar"),
    colour_param("disabled", 0x7F7F7F, "disabled text"),
    size_param  ("check_size",  16, 40,   "check box; the radio button is one less"),
    pixels_param("bevel_width", 2,  1, 8, "raised bevels: outline and dark lines inside it"),
};
// clang-format on

const LookParamTable nextstep_param_table = look_param_table(&nextstep_record, NEXTSTEP_PARAMS);

void nextstep_compute_colours(void)
{
    for (int c = 0; c < NX_COLOUR_COUNT; c++) nextstep_palette[c] = look_colour_value(NEXTSTEP_PARAMS[c]);
    nextstep_check_size = look_size_value(NEXTSTEP_PARAMS[NX_P_CHECK_SIZE]);
    nextstep_bevel_width = look_value(NEXTSTEP_PARAMS[NX_P_BEVEL_WIDTH]);
}
