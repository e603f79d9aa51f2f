#include "world/tile.h"

#include <cstdio>
#include <new>

#include "world/game_state.h"
#include "world/sprite_sheet.h"
#include "world/world_owner.h"

int AnimTick = 0;

void advanceAnimTick()
{
    AnimTick = (AnimTick + 1) % 10;
}

// Sheet cells of the animated background, frames 0 and 1.
constexpr int BACKGROUND_COLUMN = 4;
constexpr int BACKGROUND_FIRST_ROW = 3;

Tile::Tile() : size(CELL_SIZE), walkable(0), kind(KIND_PLAIN), baseFrame(0)
{
    // A sheet that failed to load at start-up gets another chance with every
    // new object, so art that appears later is still picked up.
    if (SpriteSheet == nullptr) {
        SpriteSheet = load_bitmap("Gfx/Tile.bmp", nullptr);
        if (SpriteSheet == nullptr) std::printf("Spritesheet not loaded\n");
    }
    // Building a level or spawning a monster restarts the background animation.
    AnimTick = 0;
}

void Tile::drawAt(int, int) {}

void Tile::drawBackground(int x, int y)
{
    drawSheetCell(BACKGROUND_COLUMN, BACKGROUND_FIRST_ROW + baseFrame, x, y, size);
    if (AnimTick == 9) baseFrame = 0;
    if (AnimTick == 4) baseFrame = 1;
}

void *Tile::operator new(std::size_t bytes)
{
    void *memory = ::operator new(bytes);
    WorldOwner::instance().record(memory, bytes);
    return memory;
}

void Tile::operator delete(void *memory, std::size_t bytes)
{
    WorldOwner::instance().forget(memory, bytes);
    ::operator delete(memory);
}
