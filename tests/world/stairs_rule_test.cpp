// Going down and up the stairs: new and kept levels, arrival beside the
// stairs, and nothing to climb to from the first level.
#include <cstdlib>

#include "world_fixture.h"

namespace {

struct Cell {
  int x, y;
};

Cell findKind(int kind) {
  Cell found{-1, -1};
  for (int x = 0; x < GRID_SIZE; ++x) {
    for (int y = 0; y < GRID_SIZE; ++y) {
      if (TileGrid[x][y]->kind == kind) found = {x, y};
    }
  }
  return found;
}

void standOn(Cell c) {
  PlayerX = c.x;
  PlayerY = c.y;
}

}  // namespace

class StairsRule : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    std::srand(11);
    generateLevel();
  }
};

TEST_F(StairsRule, UpStairsOnTheFirstLevelDoNothing) {
  const Cell up = findKind(KIND_STAIRS_UP);
  standOn(up);
  Tile* const cellBefore = TileGrid[up.x][up.y];
  changeLevel();
  EXPECT_EQ(LevelIndex, 0);
  EXPECT_EQ(LevelStore.size(), 1u);
  EXPECT_EQ(PlayerX, up.x);
  EXPECT_EQ(PlayerY, up.y);
  EXPECT_EQ(TileGrid[up.x][up.y], cellBefore);
}

TEST_F(StairsRule, DownStairsOfTheDeepestLevelBuildANewOne) {
  Tile* const firstCorner = TileGrid[10][10];
  standOn(findKind(KIND_STAIRS_DOWN));
  changeLevel();
  EXPECT_EQ(LevelIndex, 1);
  ASSERT_EQ(LevelStore.size(), 2u);
  EXPECT_NE(TileGrid[10][10], firstCorner);
  const Cell up = findKind(KIND_STAIRS_UP);
  EXPECT_EQ(PlayerX, up.x);
  EXPECT_EQ(PlayerY, TileGrid[up.x][up.y + 1]->walkable == 1 ? up.y + 1 : up.y - 1);
  EXPECT_EQ(LevelStore[0].grid[10][10], firstCorner);
}

TEST_F(StairsRule, KeptLevelComesBackWithItsMonstersAndRemainingBottles) {
  Monster* guard = new Monster();
  guard->setX(PlayerX);
  guard->setY(PlayerY);
  MonsterList.push_back(guard);
  Bottle* kept = new Bottle();
  kept->setPosition(1, 1);
  BottleList.push_back(kept);
  BottleList.erase(BottleList.begin());  // one collected before leaving
  const BottlePtrList bottlesLeft = BottleList;
  Tile* const cell = TileGrid[20][20];

  standOn(findKind(KIND_STAIRS_DOWN));
  changeLevel();
  ASSERT_EQ(LevelIndex, 1);
  EXPECT_TRUE(MonsterList.empty());
  Monster* below = new Monster();
  MonsterList.push_back(below);
  Tile* const deeperCell = TileGrid[20][20];

  standOn(findKind(KIND_STAIRS_UP));
  changeLevel();
  ASSERT_EQ(LevelIndex, 0);
  EXPECT_EQ(TileGrid[20][20], cell);
  ASSERT_EQ(MonsterList.size(), 1u);
  EXPECT_EQ(MonsterList[0], guard);
  EXPECT_EQ(BottleList, bottlesLeft);
  const Cell down = findKind(KIND_STAIRS_DOWN);
  EXPECT_EQ(PlayerX, down.x);
  EXPECT_TRUE(PlayerY == down.y + 1 || PlayerY == down.y - 1);

  // Down again: the kept deeper level, not a new one.
  standOn(down);
  changeLevel();
  EXPECT_EQ(LevelIndex, 1);
  EXPECT_EQ(LevelStore.size(), 2u);
  EXPECT_EQ(TileGrid[20][20], deeperCell);
  ASSERT_EQ(MonsterList.size(), 1u);
  EXPECT_EQ(MonsterList[0], below);
}

TEST_F(StairsRule, PlayerArrivesBelowTheStairsOrAboveWhenBelowIsBlocked) {
  releaseWorldObjects();
  fillCells<Tile>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
  fillCells<Floor>(9, 9, 11, 11);
  TileGrid[10][10] = new Stairs_up();
  placePlayerBeside(10, 10);
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(PlayerY, 11);
  TileGrid[10][11] = new Wall();
  placePlayerBeside(10, 10);
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(PlayerY, 9);
}

TEST_F(StairsRule, StairsInTheLastRowLookNoFurtherThanTheGrid) {
  releaseWorldObjects();
  fillCells<Tile>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
  TileGrid[5][49] = new Stairs_up();
  TileGrid[6][0] = new Floor();  // the cell just past the column's end in memory
  placePlayerBeside(5, 49);
  EXPECT_EQ(PlayerX, 5);
  EXPECT_EQ(PlayerY, 48);
}

TEST_F(StairsRule, AtMostOneLevelChangePerStep) {
  // Level 2 is kept with its down-stairs right below its up-stairs: arriving
  // there lands the player on the down-stairs, who goes on only next step.
  standOn(findKind(KIND_STAIRS_DOWN));
  changeLevel();
  ASSERT_EQ(LevelIndex, 1);
  const Cell up = findKind(KIND_STAIRS_UP);
  const Cell down = findKind(KIND_STAIRS_DOWN);
  TileGrid[down.x][down.y] = new Floor();
  TileGrid[up.x][up.y + 1] = new Stairs_down();
  standOn(up);
  changeLevel();
  ASSERT_EQ(LevelIndex, 0);
  standOn(findKind(KIND_STAIRS_DOWN));
  changeLevel();
  EXPECT_EQ(LevelIndex, 1);
  EXPECT_EQ(PlayerX, up.x);
  EXPECT_EQ(PlayerY, up.y + 1);
  changeLevel();
  EXPECT_EQ(LevelIndex, 2);
  EXPECT_EQ(LevelStore.size(), 3u);
}
