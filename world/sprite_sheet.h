// The shared sprite sheet: one bitmap cut into 32-pixel cells, from which
// every tile and actor is drawn into the WorldBitmap.
#pragma once

#include <allegro.h>

// Edge of one cell, on the sheet and in the world, in pixels.
constexpr int CELL_SIZE = 32;

// clang-format off
// Sheet cells (column, row) that pictures outside the level show too.
constexpr int TERRAIN_COLUMN  = 4;
constexpr int STAIRS_DOWN_ROW = 0;
constexpr int STAIRS_UP_ROW   = 1;
constexpr int BOTTLE_COLUMN   = 5;  // frames 0..4 in rows 0..4
// clang-format on

// Loads the sheet from `path` into SpriteSheet; the result is stored even
// when loading failed (SpriteSheet is then null).
void loadSpriteSheet(const char *path);

// Draws sheet cell (column, row) at grid cell (x, y) of the WorldBitmap,
// leaving the mask colour transparent. `size` is the cell edge in pixels.
// Draws nothing while the sheet or the world bitmap is missing.
void drawSheetCell(int column, int row, int x, int y, int size = CELL_SIZE);

// Draws sheet cell (column, row) with its top-left corner at pixel (px, py)
// of `target`, the mask colour transparent: the game's pictures of stairs
// and bottles outside the level. Changes nothing of the world.
void drawSheetPicture(int column, int row, BITMAP *target, int px, int py);
