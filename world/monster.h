// A monster closing in on the player, one cell at a time, alternating the
// axis and acting only at every second step. It blocks but does not bite.
#pragma once

#include <cstdint>

#include "world/tile.h"

// clang-format off
// Which way a monster faces after its last step; its sheet row is the code
// + 3, four rows further down for variety 1.
enum MonsterFacing : int {
    MONSTER_FACING_UP    = 1,
    MONSTER_FACING_LEFT  = 2,
    MONSTER_FACING_DOWN  = 3,
    MONSTER_FACING_RIGHT = 4,
};
// clang-format on

// The sheet row of a monster's images facing `facing` (a MonsterFacing),
// for variety 0 (the crab) or 1 (the skeleton).
constexpr int monsterSheetRow(int facing, int variety)
{
    constexpr int ROW_OFFSET = 3;
    constexpr int ROWS_PER_VARIETY = 4;
    return facing + ROW_OFFSET + ROWS_PER_VARIETY * variety;
}

class Monster : public Tile {
public:
    Monster();

    int getX() const { return x; }
    int getY() const { return y; }
    void setX(int v) { x = v; }
    void setY(int v) { y = v; }
    void setDirection(int v) { direction = v; }

    // Draws the monster at its own cell and animates it.
    virtual void drawSelf();
    // One call of the chase rule.
    virtual void step();

    int frame;
    int frameDelay;
    std::uint8_t moveAlongX;  // the next acting call tries X (1) or Y (0)
    std::uint8_t resting;     // the next call only clears this flag
    int x;
    int y;
    int variety;  // 0 or 1: which block of monster images
    int frameCount;
    int direction;  // a MonsterFacing
};

// True when a monster of the current level stands on cell (cellX, cellY).
bool monsterStandsOn(int cellX, int cellY);

// With one chance in 80, a new monster arrives on a random walkable cell of
// the current level.
void spawnMonster();
