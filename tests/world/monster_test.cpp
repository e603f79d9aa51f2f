// The chase: a monster acts at every second call, alternating axes, and
// never steps onto the player, another monster or an unwalkable cell.
#include <cstdlib>

#include "world_fixture.h"

class MonsterChase : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    fillCells<Floor>(1, 1, 48, 48);
    PlayerX = 20;
    PlayerY = 20;
  }

  Monster* monsterAt(int x, int y) {
    Monster* m = new Monster();
    MonsterList.push_back(m);
    m->setX(x);
    m->setY(y);
    return m;
  }
};

TEST_F(MonsterChase, ActsAtItsFirstCallAlongXAndRestsAtItsSecond) {
  Monster* m = monsterAt(10, 15);
  m->step();
  EXPECT_EQ(m->getX(), 11);
  EXPECT_EQ(m->getY(), 15);
  EXPECT_EQ(m->direction, 4);
  m->step();
  EXPECT_EQ(m->getX(), 11);
  EXPECT_EQ(m->getY(), 15);
  m->step();  // Y turn
  EXPECT_EQ(m->getY(), 16);
  EXPECT_EQ(m->direction, 3);
  m->step();
  m->step();  // X turn again
  EXPECT_EQ(m->getX(), 12);
}

TEST_F(MonsterChase, FacesTheWayItLastStepped) {
  Monster* m = monsterAt(30, 30);
  m->step();
  EXPECT_EQ(m->direction, 2);  // left
  m->step();
  m->step();
  EXPECT_EQ(m->direction, 1);  // up
}

TEST_F(MonsterChase, WastesItsTurnsOnTheAxisItSharesWithThePlayer) {
  Monster* sameColumn = monsterAt(20, 10);
  sameColumn->step();  // X turn: nothing to gain
  EXPECT_EQ(sameColumn->getX(), 20);
  EXPECT_EQ(sameColumn->getY(), 10);
  EXPECT_EQ(sameColumn->moveAlongX, 0);
  sameColumn->step();
  sameColumn->step();  // Y turn
  EXPECT_EQ(sameColumn->getY(), 11);

  Monster* sameRow = monsterAt(5, 20);
  sameRow->step();
  EXPECT_EQ(sameRow->getX(), 6);
  sameRow->step();
  sameRow->step();  // Y turn wasted
  EXPECT_EQ(sameRow->getX(), 6);
  EXPECT_EQ(sameRow->getY(), 20);
}

TEST_F(MonsterChase, NeverStepsOntoThePlayer) {
  Monster* m = monsterAt(19, 20);
  for (int call = 0; call < 8; ++call) {
    m->step();
    EXPECT_EQ(m->getX(), 19);
    EXPECT_EQ(m->getY(), 20);
  }
}

TEST_F(MonsterChase, OnThePlayersCellItNeverMoves) {
  Monster* m = monsterAt(20, 20);
  for (int call = 0; call < 6; ++call) m->step();
  EXPECT_EQ(m->getX(), 20);
  EXPECT_EQ(m->getY(), 20);
}

TEST_F(MonsterChase, NeverStepsOntoAnotherMonsterAndLaterOnesSeeTheNewCell) {
  Monster* front = monsterAt(17, 20);
  Monster* back = monsterAt(15, 20);
  front->step();  // to 18
  back->step();   // to 16
  EXPECT_EQ(front->getX(), 18);
  EXPECT_EQ(back->getX(), 16);
  for (int call = 0; call < 12; ++call) {
    front->step();
    back->step();
  }
  EXPECT_EQ(front->getX(), 19);
  EXPECT_EQ(back->getX(), 18);

  Monster* a = monsterAt(30, 5);
  Monster* b = monsterAt(31, 5);
  PlayerX = 40;
  a->step();  // blocked by b, which has not moved yet
  EXPECT_EQ(a->getX(), 30);
  b->step();
  EXPECT_EQ(b->getX(), 32);
}

TEST_F(MonsterChase, WallsAndPlainCellsBlockWhileTheAxisStillAlternates) {
  TileGrid[11][10] = new Wall();
  TileGrid[10][11] = new Tile();
  Monster* m = monsterAt(10, 10);
  m->step();
  EXPECT_EQ(m->getX(), 10);
  EXPECT_EQ(m->moveAlongX, 0);
  m->step();
  m->step();
  EXPECT_EQ(m->getY(), 10);
  EXPECT_EQ(m->moveAlongX, 1);
}

TEST_F(MonsterChase, WalksOverBridgesAndStairs) {
  TileGrid[11][10] = new Bridge();
  TileGrid[12][10] = new Stairs_down();
  PlayerY = 10;  // its Y turns are wasted
  Monster* m = monsterAt(10, 10);
  m->moveAlongX = 1;
  for (int call = 0; call < 5; ++call) m->step();
  EXPECT_EQ(m->getX(), 12);
  EXPECT_EQ(LevelIndex, 0);
}

TEST_F(MonsterChase, SpawnsWithOneChanceInEightyOnAWalkableCellOffRowAndColumnZero) {
  int seed = 1;
  for (;; ++seed) {
    std::srand(seed);
    if (std::rand() % 80 == 0) break;
  }
  fillCells<Tile>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
  TileGrid[7][9] = new Floor();
  TileGrid[0][9] = new Floor();
  AnimTick = 5;
  std::srand(seed);
  spawnMonster();
  ASSERT_EQ(MonsterList.size(), 1u);
  EXPECT_EQ(MonsterList[0]->getX(), 7);
  EXPECT_EQ(MonsterList[0]->getY(), 9);
  EXPECT_EQ(MonsterList[0]->resting, 0);
  EXPECT_EQ(MonsterList[0]->moveAlongX, 1);
  EXPECT_EQ(AnimTick, 0);

  std::srand(seed + 1);
  const bool arrives = std::rand() % 80 == 0;
  std::srand(seed + 1);
  spawnMonster();
  EXPECT_EQ(MonsterList.size(), arrives ? 2u : 1u);
}

TEST_F(MonsterChase, SpawnDrawsTheCellBeforeTheVariety) {
  fillCells<Floor>(1, 1, GRID_SIZE - 1, GRID_SIZE - 1);  // the first cell drawn is taken
  int seed = 1;
  for (;; ++seed) {
    std::srand(seed);
    if (std::rand() % 80 == 0) break;
  }
  std::srand(seed);
  std::rand();
  const int x = std::rand() % 49 + 1;
  const int y = std::rand() % 49 + 1;
  const int variety = std::rand() % 2;
  std::srand(seed);
  spawnMonster();
  ASSERT_EQ(MonsterList.size(), 1u);
  EXPECT_EQ(MonsterList[0]->getX(), x);
  EXPECT_EQ(MonsterList[0]->getY(), y);
  EXPECT_EQ(MonsterList[0]->variety, variety);
}

TEST_F(MonsterChase, ArrivalRateIsAboutOneInEighty) {
  std::srand(99);
  for (int steps = 0; steps < 8000; ++steps) spawnMonster();
  EXPECT_GT(MonsterList.size(), 70u);
  EXPECT_LT(MonsterList.size(), 130u);
}
