// The "NeXTStep" look's four shades and its images: the radio buttons, the
// scroll-knob dimple and the sub-menu arrows, painted at init from
// character templates kept in the program.
#include "widgets/looks/shared/param_art.h"
#include "widgets/looks/nextstep/look.h"

namespace {

// How a template character is painted. Every pixel is painted: the blank
// is the face grey, not a hole.
// clang-format off
const ParamArtColour TEMPLATE_COLOURS[] = {
    { 'X', NX_BLACK },
    { 'x', NX_DARK  },
    { '.', NX_WHITE },
    { ' ', NX_GREY  },
    { 'a', NX_GREY  },
};

const char *const NX_RADIO_OFF[15] = {
    "     xxxxx     ",
    "   xxXXXXXxx   ",
    "  xXX       x  ",
    " xXx           ",
    " xX            ",
    "xX            .",
    "xX            .",
    "xX            .",
    "xX            .",
    "xX            .",
    " xx          . ",
    " x           . ",
    "  x         .  ",
    "    .     ..   ",
    "     .....     ",
};

const char *const NX_RADIO_ON[15] = {
    "     xxxxx     ",
    "   xxXXXXXxx   ",
    "  xXX     x x  ",
    " xXx  ....     ",
    " xX ........   ",
    "xX  ........  .",
    "xX .......... .",
    "xX .......... .",
    "xX .......... .",
    "xX .......... .",
    " xx ........ . ",
    " x  ........ . ",
    "  x   ....  .  ",
    "    .     ..   ",
    "     .....     ",
};

const char *const NX_DIMPLE[6] = {
    " xXXX ",
    "xXxxxx",
    "Xxx   ",
    "Xx  ..",
    "Xx ...",
    " x .. ",
};

const char *const NX_ARROW[7] = {
    "Xx     ",
    "X xx   ",
    "X   xx ",
    "X     .",
    "X   .. ",
    "X ..   ",
    "X.     ",
};

const char *const NX_ARROW_SELECTED[7] = {
    "Xx.....",
    "X.xx...",
    "X...xx.",
    "X.....a",
    "X...aa.",
    "X.aa...",
    "Xa.....",
};
// clang-format on

int nextstep_palette[NX_COLOUR_COUNT];

}  // namespace

int nextstep_check_size = 16;
int nextstep_bevel_width = 2;
BITMAP *nextstep_radio_off = nullptr;
BITMAP *nextstep_radio_on = nullptr;
BITMAP *nextstep_dimple = nullptr;
BITMAP *nextstep_arrow = nullptr;
BITMAP *nextstep_arrow_selected = nullptr;

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

void nextstep_build_bitmaps(void)
{
    // A second init without a shutdown must not leak the first set.
    nextstep_destroy_bitmaps();
    constexpr int COLOURS = sizeof TEMPLATE_COLOURS / sizeof TEMPLATE_COLOURS[0];
    ArtKey key[COLOURS];
    param_art_keys(key, TEMPLATE_COLOURS, COLOURS, NEXTSTEP_PARAMS);
    nextstep_radio_off = bitmap_from_art(NX_RADIO_OFF, 15, 15, key);
    nextstep_radio_on = bitmap_from_art(NX_RADIO_ON, 15, 15, key);
    nextstep_dimple = bitmap_from_art(NX_DIMPLE, 6, 6, key);
    nextstep_arrow = bitmap_from_art(NX_ARROW, 7, 7, key);
    nextstep_arrow_selected = bitmap_from_art(NX_ARROW_SELECTED, 7, 7, key);
}

void nextstep_destroy_bitmaps(void)
{
    destroy_art_bitmap(nextstep_radio_off);
    destroy_art_bitmap(nextstep_radio_on);
    destroy_art_bitmap(nextstep_dimple);
    destroy_art_bitmap(nextstep_arrow);
    destroy_art_bitmap(nextstep_arrow_selected);
}
