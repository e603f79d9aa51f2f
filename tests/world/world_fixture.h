// A headless world for tests: Allegro without a display, 16-bit memory
// bitmaps, and a synthetic sprite sheet in which every 32-pixel cell has a
// colour of its own, so a drawn pixel tells which sheet cell it came from.
#pragma once

#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "world/world.h"

int sheetCellColour(int column, int row);
// Colour at the middle of grid cell (x, y) of the WorldBitmap.
int worldCellColour(int x, int y);

template <typename T> void fillCells(int x0, int y0, int x1, int y1)
{
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) TileGrid[x][y] = new T();
    }
}

struct Cell {
    int x, y;
};
// The last cell of `kind` in column-major order, or (-1, -1).
Cell findKind(int kind);
Monster *monsterAt(int x, int y);
Bottle *bottleAt(int x, int y);

// Every test starts on a grid of plain cells, a new player, cleared keys
// and a black WorldBitmap, and releases everything it made.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// One character per cell (wall variants as digits, '.' floor, '=' bridge,
// '<' and '>' stairs, 'b' bottle, '@' player), one line per row.
std::string levelMap();
