// The rum bottle: dark green glass, a cork, a parchment label; a glint runs
// down the glass and flares beside the neck over its five frames.
#include "palette.h"
#include "sheet_art.h"

namespace {

// clang-format off
const char *const BOTTLE[ART_CELL] = {
    "                                ",
    "                                ",
    "                                ",
    "              KKKK              ",
    "             KlhhmK             ",
    "             KlmmdK             ",
    "             KKKKKK             ",
    "              KEeK              ",
    "              KEeK              ",
    "              KEjK              ",
    "             KEeejK             ",
    "            KEeeejjK            ",
    "           KEEeeeejjK           ",
    "          KEEeeeeeejjK          ",
    "          KEeeeeeeeejK          ",
    "          KEePPPPPPejK          ",
    "          KEPpxppxqpjK          ",
    "          KEPppxxpqpjK          ",
    "          KEPppxxpqpjK          ",
    "          KEPpxppxqpjK          ",
    "          KEeqqqqqqejK          ",
    "          KEeeeeeeejjK          ",
    "          KEeeeeeeejjK          ",
    "          KEeeeeeeejjK          ",
    "          KeEeeeeeejjK          ",
    "          KeeeeeeejjjK          ",
    "          KjeeeeeejjjK          ",
    "           KjjjjjjjjK           ",
    "           dKKKKKKKKd           ",
    "           dddddddddd           ",
    "                                ",
    "                                ",
};

// A four-pointed sparkle, painted where the light catches the glass.
const char *const GLINT[] = {
    " W ",
    "WWW",
    " W ",
};
const char *const FLARE[] = {
    "  W  ",
    "  W  ",
    "WWWWW",
    "  W  ",
    "  W  ",
};
// clang-format on

struct GlintSpot {
    ArtPart art;
    int x, y;
};

// Frame by frame: the glint slides down the glass, then flares by the neck.
// clang-format off
const GlintSpot GLINTS[5] = {
    {part(GLINT), 14,  7},
    {part(GLINT), 11, 11},
    {part(GLINT), 10, 21},
    {part(FLARE), 17,  3},
    {{},           0,  0},   // no glint
};
// clang-format on

}  // namespace

void paintBottles(BITMAP *sheet)
{
    for (int frame = 0; frame < 5; ++frame) {
        paintArt(sheet, cellX(5), cellY(frame), BOTTLE);
        const GlintSpot &g = GLINTS[frame];
        paintArt(sheet, cellX(5) + g.x, cellY(frame) + g.y, g.art);
    }
}
