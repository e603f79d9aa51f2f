// The trap rule: a player who can move in none of the four directions, for
// walls or monsters, loses a life and is put back beside the stairs up.
#pragma once

// True when no side of the player's cell is open. A side is open when its
// cell is walkable and no monster stands on it; a neighbour in column 0 or
// row 0, or outside the grid, counts as closed. Monsters on diagonal cells
// or on the player's own cell close nothing. Changes nothing.
bool playerIsTrapped();

// Applies the rule: when trapped, reports PlayerTrapped, holds the frame for
// 400 ms, takes a life (reporting GameOver and running GameOverRunner when
// it was the last), clears the level's monsters and respawns the player
// beside the stairs up.
void checkTrapped();

// The 400 ms the trapped frame stays on screen, the pirate blinking (none
// of it when PlayWaits is off). The trap's sound starts with it.
void holdTrappedFrame();

// What the last life lost runs: gameOver (the game-over screen, then a
// whole nested game) unless something else, a soak's new headless game
// say, stands in.
extern void (*GameOverRunner)();

// Puts the player beside the current level's stairs up (the last found
// scanning columns, then rows). A level without them leaves the player
// where it is.
void respawnBesideStairsUp();

constexpr int TRAPPED_HOLD_MS = 400;
