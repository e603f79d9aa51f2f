// Moving between levels by the stairs, and placing the player beside stairs.
#pragma once

// Puts the player on the cell below stairs cell (x, y) when that is
// walkable, otherwise on the cell above it.
void placePlayerBeside(int x, int y);

// Finds the last cell of `kind` in the current grid, scanning columns, then
// rows, into (x, y). Returns false, leaving (x, y) alone, when there is none.
bool findLastCellOfKind(int kind, int &x, int &y);

// Applied once per play step after the player's moves: down-stairs lead to
// the kept or a new deeper level, up-stairs to the kept shallower one.
// `arrived`: the player came onto its cell in this step. The first level's
// stairs up lead nowhere; a player who arrives on them is told so once
// (NoWayUp), not at every step spent standing there.
void changeLevel(bool arrived = true);
