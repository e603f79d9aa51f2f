// The "NeXTStep" look's images: the radio buttons, the scroll-knob dimple
// and the sub-menu arrows, painted at init from character templates kept in
// the program, in the look's shades.
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

}  // namespace

BITMAP *nextstep_radio_off = nullptr;
BITMAP *nextstep_radio_on = nullptr;
BITMAP *nextstep_dimple = nullptr;
BITMAP *nextstep_arrow = nullptr;
BITMAP *nextstep_arrow_selected = nullptr;

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
