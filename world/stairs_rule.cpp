#include "world/stairs_rule.h"

#include "world/game_state.h"
#include "world/generator.h"
#include "world/level.h"
#include "world/tile.h"

void placePlayerBeside(int x, int y) {
  // Below the stairs when possible. Stairs never stand in a room's first
  // inside row, so the cell above is always inside the grid for them.
  if (y + 1 < GRID_SIZE && TileGrid[x][y + 1]->walkable == 1) {
    PlayerX = x;
    PlayerY = y + 1;
  } else {
    PlayerX = x;
    PlayerY = y - 1;
  }
}

// Finds the cell of `kind` in the current grid, the last one in column-major
// order winning, and puts the player beside it.
static void arriveBeside(int kind) {
  int foundX = 0;
  int foundY = 0;
  for (int x = 0; x < GRID_SIZE; ++x) {
    for (int y = 0; y < GRID_SIZE; ++y) {
      if (TileGrid[x][y]->kind == kind) {
        foundX = x;
        foundY = y;
      }
    }
  }
  placePlayerBeside(foundX, foundY);
}

void changeLevel() {
  if (TileGrid[PlayerX][PlayerY]->kind == KIND_STAIRS_DOWN) {
    LevelStore[LevelIndex] = captureCurrentLevel();
    LevelIndex += 1;
    if (LevelIndex < static_cast<int>(LevelStore.size())) {
      restoreCurrentLevel(LevelStore[LevelIndex]);
      arriveBeside(KIND_STAIRS_UP);
    } else {
      generateLevel();
    }
  }
  if (TileGrid[PlayerX][PlayerY]->kind == KIND_STAIRS_UP && LevelIndex > 0) {
    LevelStore[LevelIndex] = captureCurrentLevel();
    LevelIndex -= 1;
    restoreCurrentLevel(LevelStore[LevelIndex]);
    arriveBeside(KIND_STAIRS_DOWN);
  }
}
