// The shared sprite sheet: one bitmap cut into 32-pixel cells, from which
// every tile and actor is drawn into the WorldBitmap.
#pragma once

// Edge of one cell, on the sheet and in the world, in pixels.
constexpr int CELL_SIZE = 32;

// Loads the sheet from `path` into SpriteSheet; the result is stored even
// when loading failed (SpriteSheet is then null).
void loadSpriteSheet(const char *path);

// Draws sheet cell (column, row) at grid cell (x, y) of the WorldBitmap,
// leaving the mask colour transparent. `size` is the cell edge in pixels.
// Draws nothing while the sheet or the world bitmap is missing.
void drawSheetCell(int column, int row, int x, int y, int size = CELL_SIZE);
