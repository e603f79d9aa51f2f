// The loops that enlarge the game's 16-bit picture into a larger one, a
// band of rows at a time.
#pragma once

struct BITMAP;

// Enlarges rows firstRow..lastRow of the 16-bit `source` into the 16-bit
// `target` (scale times its size), every pixel a scale x scale square.
void enlargeRows(const BITMAP *source, BITMAP *target, int scale, int firstRow, int lastRow);

// Fills the 16-bit `target`, of any size from the source's up, from the
// 16-bit `source` by repeating whole rows and columns: target pixel (x, y)
// is source pixel (x * sw / tw, y * sh / th). Writes only the target rows
// that show source rows firstRow..lastRow, and gives back the first and
// last of them.
void fillRows(const BITMAP *source, BITMAP *target, int firstRow, int lastRow, int &firstTargetRow, int &lastTargetRow);
