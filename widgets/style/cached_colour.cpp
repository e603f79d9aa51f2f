#include "widgets/style/cached_colour.h"

#include <allegro.h>

namespace {

// A direct-mapped table: the fades of a dialog use a few dozen colours.
enum { SLOTS = 1024 };
struct Kept {
    int rgb;  // r << 16 | g << 8 | b, plus one; 0 for an empty slot
    int colour;
};
Kept kept[SLOTS];

}  // namespace

int cached_makecol(int r, int g, int b)
{
    // At the other depths makecol packs bits, faster than any lookup.
    if (get_color_depth() != 8) return makecol(r, g, b);
    const int rgb = ((r & 255) << 16 | (g & 255) << 8 | (b & 255)) + 1;
    Kept &slot = kept[(rgb ^ (rgb >> 10) ^ (rgb >> 20)) & (SLOTS - 1)];
    if (slot.rgb != rgb) slot = Kept{rgb, makecol(r, g, b)};
    return slot.colour;
}

void forget_cached_colours(void)
{
    for (Kept &slot : kept) slot = Kept{0, 0};
}
