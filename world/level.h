// The current level and the levels kept from earlier in the game. A kept
// level and the current one share the same cell and actor objects: only
// pointers are copied when a level is stored or restored.
#pragma once

#include <vector>

class Tile;
class Monster;
class Bottle;

// The grid is GRID_SIZE x GRID_SIZE cells, indexed [x][y].
constexpr int GRID_SIZE = 50;

using MonsterPtrList = std::vector<Monster *>;
using BottlePtrList = std::vector<Bottle *>;

struct Level {
    Tile *grid[GRID_SIZE][GRID_SIZE];  // column x, row y
    MonsterPtrList monsters;
    BottlePtrList bottles;
};

// The current level, held in globals: all play works on these.
extern Tile *TileGrid[GRID_SIZE][GRID_SIZE];
extern MonsterPtrList MonsterList;
extern BottlePtrList BottleList;

// Entry i is level number i + 1 of the current game.
extern std::vector<Level> LevelStore;

// Copies the current level (pointers only) into a Level record.
Level captureCurrentLevel();
// Makes a stored record the current level (pointers only).
void restoreCurrentLevel(const Level &level);
