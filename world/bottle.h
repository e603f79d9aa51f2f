// A collectible bottle lying on a floor cell; worth 10 points to the player
// who walks onto it. It is not part of the grid: the cell under it stays a
// Floor.
#pragma once

#include "world/tile.h"

class Bottle : public Tile {
public:
    Bottle();

    void setPosition(int cellX, int cellY)
    {
        x = cellX;
        y = cellY;
    }
    int getX() const { return x; }
    int getY() const { return y; }

    // Draws the bottle at its own cell and animates it.
    virtual void drawSelf();

    int x;
    int y;
    int frame;
    int frameCount;
    int frameDelay;
};
