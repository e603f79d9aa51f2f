// The pirate steered by the arrow keys. Its cell lives in the globals
// PlayerX and PlayerY, not in the object.
#pragma once

#include "world/tile.h"

class Player : public Tile {
public:
    Player();

    // Draws the walking player at cell (x, y) and animates it.
    void drawAt(int x, int y) override;
    // Draws the standing image at cell (x, y), without animation.
    virtual void drawStill(int x, int y);
    // Tries one step of one cell: delta +1 or -1, along X when horizontal.
    virtual void move(int delta, bool horizontal);

    int direction;   // 1 up, 2 right, 3 down, 4 left; the sheet row is direction - 1
    int frame;       // sheet column of the current image
    int frameCount;  // 4 facing up or down, 2 facing left or right
    int frameDelay;  // draws since the frame last changed
};

// The four walking controls held during one step.
struct ArrowKeys {
    bool right = false;
    bool left = false;
    bool up = false;
    bool down = false;
};

// The arrow keys of the keyboard as they are held now.
ArrowKeys heldArrowKeys();

// One play step of the player: a move for each walking control held, in
// the order right, left, up, down, then the stairs rule.
void playerTurn(const ArrowKeys &held);
// The same with the keyboard's arrow keys as they are held now.
void playerTurn();
