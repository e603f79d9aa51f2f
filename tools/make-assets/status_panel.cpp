// The panel is painted in layers: wooden planks, a rope along the top and
// bottom edge, two parchment scrolls for the counters and a framed
// parchment plaque in the middle for "PAUSE", then an anchor at each end.
// Texture speckles stay out of the text areas so the letters sit on calm
// parchment.
#include "status_panel.h"

#include "Gfx/palette.h"

namespace {

int colourOf(BITMAP *bmp, char ch)
{
    int r = 0, g = 0, b = 0;
    paletteColour(ch, &r, &g, &b);
    return makecol_depth(bitmap_color_depth(bmp), r, g, b);
}

// A small fixed pseudo-random sequence, so the grain is the same at every build.
struct Grain {
    unsigned state;
    unsigned next()
    {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    }
};

bool inTextArea(int x, int y, int margin)
{
    for (const TextArea &a : STATUS_TEXT_AREAS)
        if (x >= a.x0 - margin && x < a.x1 + margin && y >= a.y0 - margin && y < a.y1 + margin) return true;
    return false;
}

constexpr int ROPE_HEIGHT = 9;

void paintPlanks(BITMAP *bmp)
{
    // Three long boards between the ropes, each with its own grain streaks.
    const int top = ROPE_HEIGHT, bottom = STATUS_HEIGHT - ROPE_HEIGHT;
    const int boards = 3, boardHeight = (bottom - top) / boards;
    Grain grain{20261207u};
    for (int b = 0; b < boards; ++b) {
        const int y0 = top + b * boardHeight;
        const int y1 = (b == boards - 1) ? bottom - 1 : y0 + boardHeight - 1;
        rectfill(bmp, 0, y0, STATUS_WIDTH - 1, y1, colourOf(bmp, 'm'));
        hline(bmp, 0, y0, STATUS_WIDTH - 1, colourOf(bmp, 'l'));
        hline(bmp, 0, y1, STATUS_WIDTH - 1, colourOf(bmp, 'd'));
        for (int streak = 0; streak < 40; ++streak) {
            const int y = y0 + 2 + static_cast<int>(grain.next() % static_cast<unsigned>(y1 - y0 - 3));
            const int x = static_cast<int>(grain.next() % STATUS_WIDTH);
            const int len = 20 + static_cast<int>(grain.next() % 90);
            hline(bmp, x, y, x + len, colourOf(bmp, (streak % 3) ? 'd' : 'l'));
        }
        // Butt joints and their nails, staggered from board to board.
        for (int x = 130 + b * 90; x < STATUS_WIDTH; x += 270) {
            vline(bmp, x, y0, y1, colourOf(bmp, 'd'));
            vline(bmp, x + 1, y0, y1, colourOf(bmp, 'h'));
            putpixel(bmp, x - 3, y0 + 4, colourOf(bmp, 'K'));
            putpixel(bmp, x - 3, y1 - 4, colourOf(bmp, 'K'));
            putpixel(bmp, x + 4, y0 + 4, colourOf(bmp, 'K'));
            putpixel(bmp, x + 4, y1 - 4, colourOf(bmp, 'K'));
        }
    }
}

// A twisted rope: diagonal strands, light on their upper half.
void paintRope(BITMAP *bmp, int y0)
{
    hline(bmp, 0, y0, STATUS_WIDTH - 1, colourOf(bmp, 'K'));
    hline(bmp, 0, y0 + ROPE_HEIGHT - 1, STATUS_WIDTH - 1, colourOf(bmp, 'K'));
    for (int y = 1; y < ROPE_HEIGHT - 1; ++y)
        for (int x = 0; x < STATUS_WIDTH; ++x) {
            const int phase = (x + y) % 7;
            char ch = phase < 3 ? 'y' : (phase < 6 ? 'Y' : 'K');
            if (ch == 'y' && y < 3) ch = 'P';
            putpixel(bmp, x, y0 + y, colourOf(bmp, ch));
        }
}

// A parchment scroll with rolled ends.
void paintScroll(BITMAP *bmp, int x0, int y0, int x1, int y1, Grain &grain)
{
    rectfill(bmp, x0 + 3, y0 + 3, x1 + 3, y1 + 3, colourOf(bmp, 'd'));  // drop shadow on the wood
    rectfill(bmp, x0 + 2, y0 + 4, x1 - 2, y1 - 4, colourOf(bmp, 'K'));
    rectfill(bmp, x0 + 3, y0 + 5, x1 - 3, y1 - 5, colourOf(bmp, 'P'));
    hline(bmp, x0 + 3, y0 + 5, x1 - 3, colourOf(bmp, 'p'));
    hline(bmp, x0 + 3, y1 - 5, x1 - 3, colourOf(bmp, 'q'));
    hline(bmp, x0 + 3, y1 - 6, x1 - 3, colourOf(bmp, 'p'));
    // Age spots, kept away from the letters.
    for (int spot = 0; spot < (x1 - x0) / 3; ++spot) {
        const int x = x0 + 4 + static_cast<int>(grain.next() % static_cast<unsigned>(x1 - x0 - 8));
        const int y = y0 + 6 + static_cast<int>(grain.next() % static_cast<unsigned>(y1 - y0 - 12));
        if (!inTextArea(x, y, 3)) putpixel(bmp, x, y, colourOf(bmp, 'p'));
    }
    // The rolls at both ends: a shaded cylinder, taller than the sheet.
    const char shades[] = "KqpPPpqYK";
    for (int side = 0; side < 2; ++side) {
        const int rx = side == 0 ? x0 : x1 - 8;
        for (int i = 0; i < 9; ++i) vline(bmp, rx + i, y0 + 1, y1 - 1, colourOf(bmp, shades[i]));
        hline(bmp, rx, y0, rx + 8, colourOf(bmp, 'K'));
        hline(bmp, rx, y1, rx + 8, colourOf(bmp, 'K'));
    }
}

// clang-format off
// A ship's anchor with a ring and a coil of rope.
const char *const ANCHOR[] = {
    "              KKKK              ",
    "             KiTTiK             ",
    "             KiKKiK             ",
    "             KiTTiK             ",
    "              KiiK              ",
    "         KKKKKKiiKKKKKK         ",
    "         KiiTTTiiiiiiiK         ",
    "         KKKKKKiiKKKKKK         ",
    "              KTiK              ",
    "          yYY KTiK yYY          ",
    "         y   YKTiKY   Y         ",
    "         Y    KTiK    y         ",
    "          yY  KTiK  yY          ",
    "            YyKTiKyY            ",
    "              KTiK              ",
    "              KTiK              ",
    "              KTiK              ",
    "   KK         KTiK         KK   ",
    "  KTiK        KTiK        KiTK  ",
    " KTiiiK       KTiK       KiiiTK ",
    "  KTiK        KTiK        KiTK  ",
    "   KTiK       KTiK       KiTK   ",
    "    KTiK      KTiK      KiTK    ",
    "     KTiiK    KTiK    KiiTK     ",
    "      KKTiiKKKKTiKKKKiiTKK      ",
    "        KKTTiiiiiiiiTTKK        ",
    "          KKKKKKKKKKKK          ",
};
// clang-format on

// A gold-framed parchment plaque.
void paintPlaque(BITMAP *bmp, int x0, int y0, int x1, int y1)
{
    rectfill(bmp, x0 + 3, y0 + 3, x1 + 3, y1 + 3, colourOf(bmp, 'd'));
    rectfill(bmp, x0, y0, x1, y1, colourOf(bmp, 'K'));
    rectfill(bmp, x0 + 1, y0 + 1, x1 - 1, y1 - 1, colourOf(bmp, 'G'));
    rect(bmp, x0 + 1, y0 + 1, x1 - 2, y1 - 2, colourOf(bmp, 'g'));
    rectfill(bmp, x0 + 3, y0 + 3, x1 - 3, y1 - 3, colourOf(bmp, 'K'));
    rectfill(bmp, x0 + 4, y0 + 4, x1 - 4, y1 - 4, colourOf(bmp, 'P'));
    for (int corner = 0; corner < 4; ++corner) {
        const int cx = (corner & 1) ? x1 - 2 : x0 + 1, cy = (corner & 2) ? y1 - 2 : y0 + 1;
        rectfill(bmp, cx, cy, cx + 1, cy + 1, colourOf(bmp, 'W'));
    }
}

}  // namespace

BITMAP *buildStatusPanel()
{
    BITMAP *bmp = create_bitmap_ex(24, STATUS_WIDTH, STATUS_HEIGHT);
    if (!bmp) return nullptr;
    paintPlanks(bmp);
    paintRope(bmp, 0);
    paintRope(bmp, STATUS_HEIGHT - ROPE_HEIGHT);
    Grain grain{1720u};
    paintScroll(bmp, 80, 22, 290, 77, grain);
    paintScroll(bmp, 510, 22, 720, 77, grain);
    paintPlaque(bmp, 348, 34, 452, 65);
    paintArt(bmp, 22, 36, ANCHOR);
    paintArt(bmp, STATUS_WIDTH - 22 - ART_CELL, 36, ANCHOR, true);
    return bmp;
}
