// A level written down by value: what each cell is (object, kind, wall
// variant, bridge or floor), every monster with its cell and chase state,
// every bottle in list order. Comparing two records shows whether a kept
// level came back exactly as the player left it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/level.h"

class Tile;
class Monster;
class Bottle;

struct CellRecord {
    const Tile *cell;
    int kind;
    int walkable;
    int variant;  // a wall's image, -1 for any other cell
    bool bridge;
};

struct MonsterRecord {
    const Monster *monster;
    int x, y;
    int direction;
    int variety;
    std::uint8_t moveAlongX;
    std::uint8_t resting;
};

struct BottleRecord {
    const Bottle *bottle;
    int x, y;
};

struct LevelRecord {
    std::vector<CellRecord> cells;  // column-major, GRID_SIZE * GRID_SIZE
    std::vector<MonsterRecord> monsters;
    std::vector<BottleRecord> bottles;
};

std::vector<MonsterRecord> recordMonsters(const MonsterPtrList &monsters);
std::vector<BottleRecord> recordBottles(const BottlePtrList &bottles);
LevelRecord recordLevel(const Level &level);

// The first way in which `now` differs from `was`, in words; empty when the
// two are the same.
std::string firstDifference(const LevelRecord &was, const LevelRecord &now);
std::string firstDifference(const std::vector<MonsterRecord> &was, const std::vector<MonsterRecord> &now);
