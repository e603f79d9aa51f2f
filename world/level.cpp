#include "world/level.h"

#include <algorithm>

Tile *TileGrid[GRID_SIZE][GRID_SIZE] = {};
MonsterPtrList MonsterList;
BottlePtrList BottleList;
std::vector<Level> LevelStore;

Level captureCurrentLevel()
{
    Level level;
    std::copy(&TileGrid[0][0], &TileGrid[0][0] + GRID_SIZE * GRID_SIZE, &level.grid[0][0]);
    level.monsters = MonsterList;
    level.bottles = BottleList;
    return level;
}

void restoreCurrentLevel(const Level &level)
{
    std::copy(&level.grid[0][0], &level.grid[0][0] + GRID_SIZE * GRID_SIZE, &TileGrid[0][0]);
    MonsterList = level.monsters;
    BottleList = level.bottles;
}
