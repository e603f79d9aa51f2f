// The "GTK" look's images: the two radio buttons and the sub-menu arrow,
// painted at init from character art in the palette's colours.
#include "widgets/looks/gtk/look.h"

BITMAP *gtk_radio_raised = nullptr;
BITMAP *gtk_radio_sunken = nullptr;
BITMAP *gtk_submenu_arrow = nullptr;

namespace {

// Colour key of the look's character art: blank is transparent; the other
// characters are the palette's parameters.
// clang-format off
const ParamArtColour GTK_ART_COLOURS[] = {
    {'.', GTK_P_WHITE},
    {'X', GTK_P_BLACK},
    {'a', GTK_P_SHADOW_LIGHT},
    {'x', GTK_P_SHADOW},
};

const char *const RADIO_RAISED_ART[11] = {
    "     .     ",
    "    ...    ",
    "   .. ..   ",
    "  ..   ..  ",
    " ..     .. ",
    "..       ..",
    " Xxx   xxX ",
    "  Xxx xxX  ",
    "   XxxxX   ",
    "    XxX    ",
    "     X     ",
};

const char *const RADIO_SUNKEN_ART[11] = {
    "     x     ",
    "    xxx    ",
    "   xxXxx   ",
    "  xxX Xxx  ",
    " xxX   Xxx ",
    "xxX     Xxx",
    " ..a   a.. ",
    "  ..a a..  ",
    "   ..a..   ",
    "    ...    ",
    "     .     ",
};

const char *const SUBMENU_ARROW_ART[7] = {
    ".a      ",
    ". aa    ",
    ".   aa  ",
    ".     aa",
    ".   xX  ",
    ". xX    ",
    "xX      ",
};
// clang-format on

}  // namespace

void gtk_build_bitmaps(void)
{
    constexpr int COLOURS = sizeof GTK_ART_COLOURS / sizeof GTK_ART_COLOURS[0];
    ArtKey key[1 + COLOURS] = {{' ', ART_MASK, 0, 0}};
    param_art_keys(key + 1, GTK_ART_COLOURS, COLOURS, GTK_PARAMS);

    gtk_radio_raised = bitmap_from_art(RADIO_RAISED_ART, 11, 11, key);
    gtk_radio_sunken = bitmap_from_art(RADIO_SUNKEN_ART, 11, 11, key);
    gtk_submenu_arrow = bitmap_from_art(SUBMENU_ARROW_ART, 8, 7, key);
}

void gtk_destroy_bitmaps(void)
{
    destroy_art_bitmap(gtk_submenu_arrow);
    destroy_art_bitmap(gtk_radio_sunken);
    destroy_art_bitmap(gtk_radio_raised);
}
