// A headless world for tests: Allegro without a display, 16-bit memory
// bitmaps, and a synthetic sprite sheet in which every 32-pixel cell has a
// colour of its own, so a drawn pixel tells which sheet cell it came from.
#pragma once

#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "world/world.h"

// Colour of sheet cell (column, row) in the synthetic sheet.
int sheetCellColour(int column, int row);

// Colour of the pixel at the middle of grid cell (x, y) of the WorldBitmap.
int worldCellColour(int x, int y);

// Colour the WorldBitmap is cleared to before each test.
int clearColour();

// Fills grid cells x0..x1, y0..y1 (inclusive) with new objects of type T.
template <typename T>
void fillCells(int x0, int y0, int x1, int y1) {
  for (int x = x0; x <= x1; ++x) {
    for (int y = y0; y <= y1; ++y) TileGrid[x][y] = new T();
  }
}

// Every test starts on a grid of plain cells with the world's state reset,
// and releases everything it made.
class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// One character per cell (wall variants as digits, '.' floor, '=' bridge,
// '<' and '>' stairs, 'b' bottle, '@' player); rows joined by newlines.
std::string levelMap();
