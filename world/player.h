// The pirate steered by the player. Its cell lives in the globals
// PlayerX and PlayerY, not in the object.
#pragma once

#include "world/tile.h"

// clang-format off
// Which way the player faces; the sheet row of its walking images is the
// code - 1.
enum PlayerFacing : int {
    FACING_UP    = 1,
    FACING_RIGHT = 2,
    FACING_DOWN  = 3,
    FACING_LEFT  = 4,
};
// clang-format on

// The sheet row of the walking images facing `facing` (a PlayerFacing).
constexpr int playerSheetRow(int facing)
{
    return facing - 1;
}

class Player : public Tile {
public:
    Player();

    // Draws the walking player at cell (x, y) and animates it.
    void drawAt(int x, int y) override;
    // Draws the standing image at cell (x, y), without animation.
    virtual void drawStill(int x, int y);
    // Tries one step of one cell: delta +1 or -1, along X when horizontal.
    virtual void move(int delta, bool horizontal);

    int direction;   // a PlayerFacing
    int frame;       // sheet column of the current image
    int frameCount;  // 4 facing up or down, 2 facing left or right
    int frameDelay;  // draws since the frame last changed
};

// The four walking controls of one step, as the game read them.
struct ArrowKeys {
    bool right = false;
    bool left = false;
    bool up = false;
    bool down = false;
};

// One play step of the player: a move for each walking control held, in
// the order right, left, up, down, then the stairs rule.
void playerTurn(const ArrowKeys &held);
