// The root of every cell and actor of the world. A plain Tile is the empty
// cell that fills the grid outside the rooms; the other cells and the actors
// derive from it directly.
//
// Every Tile made with `new` is recorded by the WorldOwner (see
// world_owner.h) through the class's own allocation functions, so no cell
// or actor can escape the release at the start of the next game.
#pragma once

#include <cstddef>
#include <cstdint>

enum TileKind {
    KIND_PLAIN = 0,
    KIND_WALL = 1,
    KIND_FLOOR = 2,  // floors and bridges alike
    KIND_STAIRS_UP = 3,
    KIND_STAIRS_DOWN = 4,
};

// Background animation counter, 0..9; every construction resets it.
extern int AnimTick;

// AnimTick = (AnimTick + 1) mod 10; once per unpaused play step.
void advanceAnimTick();

class Tile {
public:
    Tile();
    virtual ~Tile() = default;

    // Cells and actors are shared by pointer between levels, never copied.
    Tile(const Tile &) = delete;
    Tile &operator=(const Tile &) = delete;

    // Draws this cell's own image at grid cell (x, y); a plain cell has none.
    virtual void drawAt(int x, int y);

    // Draws the animated background under cell (x, y) and moves this cell's
    // background frame on when AnimTick passes 4 or 9.
    void drawBackground(int x, int y);

    std::uint8_t isWalkable() const { return walkable; }
    int getKind() const { return kind; }

    // Heap allocation goes through the world's owner.
    static void *operator new(std::size_t bytes);
    static void operator delete(void *memory, std::size_t bytes);
    static void *operator new[](std::size_t) = delete;
    static void operator delete[](void *) = delete;

    int size;               // cell edge in pixels
    std::uint8_t walkable;  // 1 when the player or a monster may enter
    int kind;               // a TileKind
    int baseFrame;          // background frame shown for this cell, 0 or 1
};
