// The terrain cells a generated level is built from: room walls and floors,
// the bridges that join rooms, and the two stairs.
#pragma once

#include "world/tile.h"

class Wall : public Tile {
public:
    Wall();
    void drawAt(int x, int y) override;

    int variant;  // 0..4: which of the five wall images, fixed at construction
};

class Floor : public Tile {
public:
    Floor();
    void drawAt(int x, int y) override;
};

// Walkable like a floor and of the same kind; only its image differs.
class Bridge : public Tile {
public:
    Bridge();
    void drawAt(int x, int y) override;
};

class Stairs_up : public Tile {
public:
    Stairs_up();
    void drawAt(int x, int y) override;
};

class Stairs_down : public Tile {
public:
    Stairs_down();
    void drawAt(int x, int y) override;
};
