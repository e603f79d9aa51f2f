// The sprite sheet of the game, "Gfx/Tile.bmp": 6 columns by 12 rows of
// 32-pixel cells, transparent (magenta) wherever a cell shows what is under it.
#pragma once

#include <allegro.h>

constexpr int SHEET_COLUMNS = 6;
constexpr int SHEET_ROWS = 12;

// A new 24-bit memory bitmap holding the whole sheet; null on failure.
// Needs Allegro started (any system driver).
BITMAP *buildSpriteSheet();
