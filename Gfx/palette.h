// The one colour key that all of the game's pictures are painted with, and
// the helpers that paint character art with it. The palette is small on
// purpose: one outline ink, two to four shades per material.
#pragma once

#include <allegro.h>

#include <string>

#include "widgets/looks/shared/char_art.h"

// Edge of one sprite-sheet cell in pixels.
constexpr int ART_CELL = 32;

// The palette as a colour key, every colour snapped to what a 16-bit screen
// shows (5 bits red and blue, 6 bits green), so the sheet looks the same
// at 16 and 24 bits and no colour can fall onto the mask colour.
const ArtKey *artPalette();
int artPaletteSize();

// The value a 16-bit screen gives back for an 8-bit red/blue or green
// component (the nearest one that survives the round trip).
int snapRedBlue(int v);
int snapGreen(int v);

// Paints `rows` (each `width` characters) at (x, y), optionally mirrored
// left to right. A character outside the palette (a space) leaves the pixel
// as it was, so pictures can be built up in layers.
void paintArt(BITMAP *bmp, int x, int y, const char *const *rows, int width, int height, bool mirrored = false);

template <int N> void paintArt(BITMAP *bmp, int x, int y, const char *const (&rows)[N], bool mirrored = false)
{
    paintArt(bmp, x, y, rows, ART_CELL, N, mirrored);
}

// A table remembered with its row count, so it can sit in a list of pieces
// (a figure's parts, a wall's decorations, a bottle's glints). It is painted
// one cell wide: a narrower table simply ends early, and a mirrored one
// turns about the middle of the cell like the rest of the sheet.
struct ArtPart {
    const char *const *rows = nullptr;
    int rowCount = 0;
};

template <int N> ArtPart part(const char *const (&rows)[N])
{
    return {rows, N};
}

// Paints `p` (nothing for an empty part) with its top-left corner at (x, y).
inline void paintArt(BITMAP *bmp, int x, int y, const ArtPart &p, bool mirrored = false)
{
    if (p.rows) paintArt(bmp, x, y, p.rows, ART_CELL, p.rowCount, mirrored);
}

// Top-left pixel of sheet cell (column, row).
inline int cellX(int column)
{
    return column * ART_CELL;
}
inline int cellY(int row)
{
    return row * ART_CELL;
}

// Looks a palette character up; false when the palette lacks it.
bool paletteColour(char ch, int *r, int *g, int *b);
