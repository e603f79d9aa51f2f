#include "world_fixture.h"

#include <cerrno>
#include <cstdlib>

namespace {

// clang-format off
// Synthetic sheet colours: red steps by column, green by row, so all
// 6 x 12 cells differ even after 16-bit rounding, and none is the mask.
constexpr int RED_PER_COLUMN = 40;
constexpr int GREEN_PER_ROW  = 20;
constexpr int SHEET_BLUE     = 96;
constexpr int SHEET_COLUMNS  = 6;
constexpr int SHEET_ROWS     = 12;
// clang-format on

void startHeadlessAllegro() {
  static bool started = false;
  if (started) return;
  started = true;
  ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
  set_color_depth(16);
  WorldBitmap = create_bitmap(GRID_SIZE * CELL_SIZE, GRID_SIZE * CELL_SIZE);
  SpriteSheet = create_bitmap(SHEET_COLUMNS * CELL_SIZE, SHEET_ROWS * CELL_SIZE);
  for (int c = 0; c < SHEET_COLUMNS; ++c) {
    for (int r = 0; r < SHEET_ROWS; ++r) {
      rectfill(SpriteSheet, c * CELL_SIZE, r * CELL_SIZE, c * CELL_SIZE + CELL_SIZE - 1,
               r * CELL_SIZE + CELL_SIZE - 1, sheetCellColour(c, r));
    }
  }
}

}  // namespace

int sheetCellColour(int column, int row) {
  return makecol(column * RED_PER_COLUMN, row * GREEN_PER_ROW, SHEET_BLUE);
}

int clearColour() { return makecol(0, 0, 0); }

int worldCellColour(int x, int y) {
  return getpixel(WorldBitmap, x * CELL_SIZE + CELL_SIZE / 2, y * CELL_SIZE + CELL_SIZE / 2);
}

void WorldTest::SetUp() {
  startHeadlessAllegro();
  releaseWorldObjects();
  clear_to_color(WorldBitmap, clearColour());
  fillCells<Tile>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
  AnimTick = 0;
  Score = 0;
  LevelIndex = 0;
  PlayerX = 0;
  PlayerY = 0;
  for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
  ThePlayer = new Player();
}

void WorldTest::TearDown() {
  for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
  releaseWorldObjects();
}

std::string levelMap() {
  std::string map;
  for (int y = 0; y < GRID_SIZE; ++y) {
    for (int x = 0; x < GRID_SIZE; ++x) {
      const Tile* cell = TileGrid[x][y];
      char c = ' ';
      if (const Wall* wall = dynamic_cast<const Wall*>(cell)) {
        c = static_cast<char>('0' + wall->variant);
      } else if (dynamic_cast<const Floor*>(cell)) {
        c = '.';
      } else if (dynamic_cast<const Bridge*>(cell)) {
        c = '=';
      } else if (dynamic_cast<const Stairs_up*>(cell)) {
        c = '<';
      } else if (dynamic_cast<const Stairs_down*>(cell)) {
        c = '>';
      }
      for (const Bottle* bottle : BottleList) {
        if (bottle->getX() == x && bottle->getY() == y) c = 'b';
      }
      if (x == PlayerX && y == PlayerY) c = '@';
      map += c;
    }
    map += '\n';
  }
  return map;
}
