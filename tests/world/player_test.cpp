// The player's moves: walls, the grid's edge and monsters block; bottles
// score once; facing and walk cycle follow the last attempted move.
#include "world_fixture.h"

class PlayerMoves : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    fillCells<Floor>(1, 1, 48, 48);
    PlayerX = 10;
    PlayerY = 10;
  }

  Monster* monsterAt(int x, int y) {
    Monster* m = new Monster();
    m->setX(x);
    m->setY(y);
    MonsterList.push_back(m);
    return m;
  }

  Bottle* bottleAt(int x, int y) {
    Bottle* b = new Bottle();
    b->setPosition(x, y);
    BottleList.push_back(b);
    return b;
  }
};

TEST_F(PlayerMoves, ArrowMovesOneCellAndFacesItsWay) {
  Player& p = *ThePlayer;
  p.move(1, true);
  EXPECT_EQ(PlayerX, 11);
  EXPECT_EQ(p.direction, 2);
  EXPECT_EQ(p.frameCount, 2);
  p.move(-1, false);
  EXPECT_EQ(PlayerY, 9);
  EXPECT_EQ(p.direction, 1);
  EXPECT_EQ(p.frameCount, 4);
  p.move(1, false);
  EXPECT_EQ(p.direction, 3);
  p.move(-1, true);
  EXPECT_EQ(p.direction, 4);
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(PlayerY, 10);
}

TEST_F(PlayerMoves, RefusedMoveTurnsAndRestartsTheWalkButStaysPut) {
  TileGrid[11][10] = new Wall();
  Player& p = *ThePlayer;
  p.frame = 3;
  p.frameDelay = 2;
  p.move(1, true);
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(PlayerY, 10);
  EXPECT_EQ(p.direction, 2);
  EXPECT_EQ(p.frame, 0);
  EXPECT_EQ(p.frameDelay, 2);
  EXPECT_EQ(p.frameCount, 2);
  p.frame = 1;
  p.move(1, true);  // same facing: the walk cycle goes on
  EXPECT_EQ(p.frame, 1);
}

TEST_F(PlayerMoves, PlainCellsBlockLikeWalls) {
  TileGrid[10][11] = new Tile();
  ThePlayer->move(1, false);
  EXPECT_EQ(PlayerY, 10);
}

TEST_F(PlayerMoves, GridEdgesAreNeverCrossedNorLookedUpBeyond) {
  // The cells just past a column's ends lie next to it in memory; they are
  // made walkable so that looking them up would move the player off the grid.
  fillCells<Floor>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
  PlayerX = 20;
  PlayerY = 49;
  ThePlayer->move(1, false);
  EXPECT_EQ(PlayerY, 49);
  PlayerY = 0;
  ThePlayer->move(-1, false);
  EXPECT_EQ(PlayerY, 0);
  PlayerX = 49;
  ThePlayer->move(1, true);
  EXPECT_EQ(PlayerX, 49);
  PlayerX = 0;
  ThePlayer->move(-1, true);
  EXPECT_EQ(PlayerX, 0);
  EXPECT_EQ(ThePlayer->direction, 4);
  PlayerY = 48;
  ThePlayer->move(1, false);
  EXPECT_EQ(PlayerY, 49);
}

TEST_F(PlayerMoves, MonsterBlocksEvenOverABottle) {
  monsterAt(11, 10);
  bottleAt(11, 10);
  ThePlayer->move(1, true);
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(Score, 0);
  EXPECT_EQ(BottleList.size(), 1u);
}

TEST_F(PlayerMoves, BottleScoresTenOnceAndLeavesTheOthersInOrder) {
  Bottle* first = bottleAt(3, 3);
  bottleAt(11, 10);
  Bottle* last = bottleAt(30, 30);
  ThePlayer->move(1, true);
  EXPECT_EQ(Score, 10);
  ASSERT_EQ(BottleList.size(), 2u);
  EXPECT_EQ(BottleList[0], first);
  EXPECT_EQ(BottleList[1], last);
  ThePlayer->move(-1, true);
  ThePlayer->move(1, true);
  EXPECT_EQ(Score, 10);
}

TEST_F(PlayerMoves, OnlyTheFirstOfTwoBottlesOnACellIsCollected) {
  Bottle* a = bottleAt(11, 10);
  Bottle* b = bottleAt(11, 10);
  ThePlayer->move(1, true);
  EXPECT_EQ(Score, 10);
  ASSERT_EQ(BottleList.size(), 1u);
  EXPECT_EQ(BottleList[0], b);
  (void)a;
}

TEST_F(PlayerMoves, LeftAndRightTogetherEndFacingLeftWhereItStarted) {
  key[KEY_LEFT] = 1;
  key[KEY_RIGHT] = 1;
  playerTurn();
  EXPECT_EQ(PlayerX, 10);
  EXPECT_EQ(ThePlayer->direction, 4);
}

TEST_F(PlayerMoves, RightAndDownTogetherMoveDiagonallyInTwoTestedMoves) {
  key[KEY_RIGHT] = 1;
  key[KEY_DOWN] = 1;
  TileGrid[10][11] = new Wall();  // below the start: only the path via (11, 10) is open
  playerTurn();
  EXPECT_EQ(PlayerX, 11);
  EXPECT_EQ(PlayerY, 11);
  EXPECT_EQ(ThePlayer->direction, 3);
}

TEST_F(PlayerMoves, StepOntoDownStairsChangesLevelInTheSameTurn) {
  LevelStore.push_back(captureCurrentLevel());
  TileGrid[11][10] = new Stairs_down();
  key[KEY_RIGHT] = 1;
  playerTurn();
  EXPECT_EQ(LevelIndex, 1);
  EXPECT_EQ(LevelStore.size(), 2u);
}

TEST_F(PlayerMoves, WalkCycleHasFourFramesUpAndDownAndTwoSideways) {
  Player& p = *ThePlayer;
  auto framesSeen = [&p]() {
    int seen = 0;
    for (int draw = 0; draw < 40; ++draw) {
      p.drawAt(10, 10);
      seen |= 1 << p.frame;
    }
    return seen;
  };
  p.move(1, false);
  EXPECT_EQ(framesSeen(), 0b1111);
  p.move(1, true);
  EXPECT_EQ(framesSeen(), 0b0011);
}
