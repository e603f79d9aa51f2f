#include "palette.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// clang-format off
// Character  red green blue   what it paints
const ArtKey RAW_PALETTE[] = {
    {'.', ART_MASK, 0, 0},  // transparent
    {'K',  20,  16,  28},   // outline ink
    // sea
    {'1',  16,  40,  88},   // deep water
    {'2',  24,  72, 128},   // water
    {'3',  48, 112, 168},   // wave face
    {'4', 144, 200, 224},   // foam
    // wood
    {'d',  64,  36,  24},   // dark wood, seams
    {'m', 120,  72,  40},   // wood
    {'l', 168, 112,  64},   // light wood
    {'h', 208, 160, 100},   // wood highlight
    // stone
    {'S',  40,  40,  56},   // mortar, deep shadow
    {'s',  88,  92, 112},   // stone
    {'t', 128, 132, 148},   // light stone
    {'T', 176, 180, 192},   // stone highlight
    {'v',  64, 104,  48},   // moss
    {'V', 112, 152,  72},   // light moss
    // sand and parchment
    {'q', 176, 144,  96},   // sand shadow
    {'p', 216, 192, 136},   // sand
    {'P', 240, 224, 176},   // light parchment
    // skin
    {'f', 232, 176, 128},   // skin
    {'F', 184, 120,  88},   // skin shadow
    // cloth
    {'r', 184,  40,  40},   // red
    {'R', 232,  88,  64},   // light red
    {'x', 112,  24,  32},   // dark red
    {'u',  48,  64, 128},   // blue
    {'U',  80, 104, 168},   // light blue
    {'w', 200, 200, 184},   // shaded white
    {'W', 248, 248, 240},   // white
    {'k',  48,  40,  48},   // black cloth and hair
    // metal
    {'g', 240, 192,  64},   // gold
    {'G', 176, 120,  32},   // dark gold
    {'i', 152, 160, 176},   // steel
    // glass
    {'e',  40, 128,  72},   // green glass
    {'E', 112, 200, 112},   // glass light
    {'j',  16,  72,  48},   // glass shadow
    // bone
    {'b', 232, 224, 200},   // bone
    {'B', 168, 160, 136},   // bone shadow
    {'n', 104,  96,  88},   // bone deep shadow
    // shell
    {'o', 224, 104,  40},   // crab shell
    {'O', 248, 160,  80},   // shell highlight
    {'c', 144,  48,  32},   // shell shadow
    // rope
    {'y', 216, 184, 112},   // rope
    {'Y', 144, 112,  64},   // rope shadow
    // eyes and glints
    {'Z', 120, 240, 216},   // ghost-light of a skeleton's eyes
};
// clang-format on

std::vector<ArtKey> snappedPalette()
{
    std::vector<ArtKey> out(std::begin(RAW_PALETTE), std::end(RAW_PALETTE));
    for (ArtKey &k : out) {
        if (k.r == ART_MASK) continue;
        k.r = snapRedBlue(k.r);
        k.g = snapGreen(k.g);
        k.b = snapRedBlue(k.b);
    }
    return out;
}

const std::vector<ArtKey> &palette()
{
    static const std::vector<ArtKey> p = snappedPalette();
    return p;
}

}  // namespace

// What a 16-bit screen keeps of a component: Allegro's own narrowing and
// widening, so the values match whatever its tables round to.
int snapRedBlue(int v)
{
    return getr16(makecol16(std::clamp(v, 0, 255), 0, 0));
}
int snapGreen(int v)
{
    return getg16(makecol16(0, std::clamp(v, 0, 255), 0));
}

const ArtKey *artPalette()
{
    return palette().data();
}
int artPaletteSize()
{
    return static_cast<int>(palette().size());
}

bool paletteColour(char ch, int *r, int *g, int *b)
{
    for (const ArtKey &k : palette()) {
        if (k.ch != ch || k.r == ART_MASK) continue;
        *r = k.r;
        *g = k.g;
        *b = k.b;
        return true;
    }
    return false;
}

void paintArt(BITMAP *bmp, int x, int y, const char *const *rows, int width, int height, bool mirrored)
{
    if (!mirrored) {
        paint_art(bmp, x, y, rows, width, height, artPalette(), artPaletteSize());
        return;
    }
    for (int r = 0; r < height; ++r) {
        if (!rows[r]) continue;
        const int len = static_cast<int>(std::min<size_t>(std::strlen(rows[r]), static_cast<size_t>(width)));
        // A short row is padded with spaces, so it mirrors about the same axis.
        std::string flipped(static_cast<size_t>(width), ' ');
        for (int c = 0; c < len; ++c) flipped[static_cast<size_t>(width - 1 - c)] = rows[r][c];
        const char *one[] = {flipped.c_str()};
        paint_art(bmp, x, y + r, one, width, 1, artPalette(), artPaletteSize());
    }
}
