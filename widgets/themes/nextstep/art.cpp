// The "NeXTStep" look's four shades and its images: the radio buttons, the
// scroll-knob dimple and the sub-menu arrows, painted at init from
// character templates kept in the program.
#include "widgets/shared/char_art.h"
#include "widgets/shared/look_colours.h"
#include "widgets/themes/nextstep/look.h"

namespace {

// clang-format off
// Colour              red  green  blue
const LookRgb NEXTSTEP_RGB[NX_COLOUR_COUNT] = {
    /* NX_WHITE    */ { 255,  255,  255 },
    /* NX_GREY     */ { 189,  189,  189 },
    /* NX_DARK     */ { 123,  123,  123 },
    /* NX_BLACK    */ {   0,    0,    0 },
    /* NX_DISABLED */ { 127,  127,  127 },
};

// How a template character is painted. Every pixel is painted: the blank
// is the face grey, not a hole.
const ArtKey TEMPLATE_KEY[] = {
    { 'X',   0,   0,   0 },
    { 'x', 123, 123, 123 },
    { '.', 255, 255, 255 },
    { ' ', 189, 189, 189 },
    { 'a', 189, 189, 189 },
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

BITMAP *nextstep_radio_off = nullptr;
BITMAP *nextstep_radio_on = nullptr;
BITMAP *nextstep_dimple = nullptr;
BITMAP *nextstep_arrow = nullptr;
BITMAP *nextstep_arrow_selected = nullptr;

int nextstep_colour(NextstepColour c)
{
    return nextstep_palette[c];
}

void nextstep_compute_colours(void)
{
    look_colours(nextstep_palette, NEXTSTEP_RGB);
}

void nextstep_build_bitmaps(void)
{
    // A second init without a shutdown must not leak the first set.
    nextstep_destroy_bitmaps();
    nextstep_radio_off = bitmap_from_art(NX_RADIO_OFF, 15, 15, TEMPLATE_KEY);
    nextstep_radio_on = bitmap_from_art(NX_RADIO_ON, 15, 15, TEMPLATE_KEY);
    nextstep_dimple = bitmap_from_art(NX_DIMPLE, 6, 6, TEMPLATE_KEY);
    nextstep_arrow = bitmap_from_art(NX_ARROW, 7, 7, TEMPLATE_KEY);
    nextstep_arrow_selected = bitmap_from_art(NX_ARROW_SELECTED, 7, 7, TEMPLATE_KEY);
}

void nextstep_destroy_bitmaps(void)
{
    destroy_art_bitmap(nextstep_radio_off);
    destroy_art_bitmap(nextstep_radio_on);
    destroy_art_bitmap(nextstep_dimple);
    destroy_art_bitmap(nextstep_arrow);
    destroy_art_bitmap(nextstep_arrow_selected);
}
