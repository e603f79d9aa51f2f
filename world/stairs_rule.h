// Moving between levels by the stairs, and placing the player beside stairs.
#pragma once

// Puts the player on the cell below stairs cell (x, y) when that is
// walkable, otherwise on the cell above it.
void placePlayerBeside(int x, int y);

// Applied once per play step after the player's moves: down-stairs lead to
// the kept or a new deeper level, up-stairs to the kept shallower one.
void changeLevel();
