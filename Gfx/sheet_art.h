// Painters for the parts of the sprite sheet, each from its own art tables.
// Every painter draws into a sheet already cleared to the mask colour and
// touches only its own cells (column, row as laid out on the sheet).
#pragma once

#include <allegro.h>

// Column 4 rows 0-9 (hatch down, ladder up, deck, two sea frames, five
// walls) and column 5 row 6 (bridge).
void paintLevelTiles(BITMAP *sheet);

// Column 5 rows 0-4: the rum bottle's five glint frames.
void paintBottles(BITMAP *sheet);

// Columns 0-3 rows 0-3: the pirate facing up, right, down, left.
void paintPirate(BITMAP *sheet);

// Columns 0-3 rows 4-7: the crab facing up, left, down, right.
void paintCrab(BITMAP *sheet);

// Columns 0-3 rows 8-11: the skeleton facing up, left, down, right.
void paintSkeleton(BITMAP *sheet);
