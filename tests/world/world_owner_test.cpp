// The world's owner: every cell and actor made with `new` is recorded and
// released at once; game after game, nothing leaks and nothing is freed twice.
#include <cstdlib>

#include "world_fixture.h"

using WorldOwnership = WorldTest;

TEST_F(WorldOwnership, EveryHeapCellAndActorIsRecordedWithItsSize) {
  releaseWorldObjects();
  WorldOwner& owner = WorldOwner::instance();
  ASSERT_EQ(owner.objectCount(), 0u);
  ASSERT_EQ(owner.bytesHeld(), 0u);
  new Tile();
  new Wall();
  new Floor();
  new Bridge();
  new Stairs_up();
  new Stairs_down();
  new Bottle();
  new Monster();
  new Player();
  EXPECT_EQ(owner.objectCount(), 9u);
  EXPECT_EQ(owner.bytesHeld(), sizeof(Tile) + sizeof(Wall) + sizeof(Floor) + sizeof(Bridge) + sizeof(Stairs_up) +
                                   sizeof(Stairs_down) + sizeof(Bottle) + sizeof(Monster) + sizeof(Player));
  releaseWorldObjects();
  EXPECT_EQ(owner.objectCount(), 0u);
  EXPECT_EQ(owner.bytesHeld(), 0u);
}

TEST_F(WorldOwnership, ObjectsOutsideTheHeapAreNotTheOwnersToFree) {
  const std::size_t before = WorldOwner::instance().objectCount();
  {
    Floor onStack;
    Monster alsoOnStack;
    EXPECT_EQ(WorldOwner::instance().objectCount(), before);
  }
  releaseWorldObjects();  // must not touch the stack objects above
  EXPECT_EQ(WorldOwner::instance().objectCount(), 0u);
}

TEST_F(WorldOwnership, AnObjectFreedOnItsOwnIsNotFreedAgain) {
  Tile* early = new Wall();
  Tile* late = new Floor();
  const std::size_t count = WorldOwner::instance().objectCount();
  delete early;
  delete late;
  EXPECT_EQ(WorldOwner::instance().objectCount(), count - 2);
  releaseWorldObjects();
  EXPECT_EQ(WorldOwner::instance().objectCount(), 0u);
}

TEST_F(WorldOwnership, ReleaseForgetsTheLevelsThatPointedAtTheObjects) {
  std::srand(5);
  generateLevel();
  MonsterList.push_back(new Monster());
  ASSERT_NE(ThePlayer, nullptr);
  releaseWorldObjects();
  EXPECT_EQ(ThePlayer, nullptr);
  EXPECT_TRUE(MonsterList.empty());
  EXPECT_TRUE(BottleList.empty());
  EXPECT_TRUE(LevelStore.empty());
  for (int x = 0; x < GRID_SIZE; ++x) {
    for (int y = 0; y < GRID_SIZE; ++y) ASSERT_EQ(TileGrid[x][y], nullptr);
  }
}

TEST_F(WorldOwnership, RepeatedGamesReleaseEverythingTheyMade) {
  // Each game: a new player, a first level, a few levels down and back up,
  // monsters arriving and chasing, bottles collected. Under the sanitizer
  // build any object freed twice or used after release stops the test.
  std::srand(77);
  for (int game = 0; game < 25; ++game) {
    releaseWorldObjects();
    ASSERT_EQ(WorldOwner::instance().bytesHeld(), 0u) << "game " << game;
    ThePlayer = new Player();
    LevelIndex = 0;
    generateLevel();
    for (int step = 0; step < 300; ++step) {
      for (int k : {KEY_RIGHT, KEY_LEFT, KEY_UP, KEY_DOWN}) key[k] = std::rand() % 2;
      playerTurn();
      spawnMonster();
      const std::size_t monsters = MonsterList.size();
      for (std::size_t i = 0; i < monsters; ++i) MonsterList[i]->step();
      if (step % 40 == 0) {
        // Take the stairs down, then sometimes straight back up.
        for (int x = 0; x < GRID_SIZE; ++x) {
          for (int y = 0; y < GRID_SIZE; ++y) {
            if (TileGrid[x][y]->kind == KIND_STAIRS_DOWN) {
              PlayerX = x;
              PlayerY = y;
            }
          }
        }
        changeLevel();
      }
    }
    EXPECT_GT(LevelStore.size(), 1u);
  }
  releaseWorldObjects();
  EXPECT_EQ(WorldOwner::instance().objectCount(), 0u);
  EXPECT_EQ(WorldOwner::instance().bytesHeld(), 0u);
}
