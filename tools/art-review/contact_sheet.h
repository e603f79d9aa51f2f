// The sprite sheet laid out for review: every cell enlarged three times on
// a checkerboard (so transparent pixels show as such), in a grid, with its
// column, row and what it holds written under it.
#pragma once

#include <allegro.h>

// Name of what sheet cell (column, row) holds; "-" for an unused cell.
const char *sheetCellName(int column, int row);

// A new bitmap at the current colour depth; null on failure.
BITMAP *renderContactSheet(BITMAP *sheet);
