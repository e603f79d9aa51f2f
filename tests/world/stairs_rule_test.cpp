// Taking the stairs: a new deeper level, kept levels restored as they were
// left, nothing above the first level, arrival beside the stairs.
#include <cstdlib>

#include "world_fixture.h"

class StairsRule : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        std::srand(11);
        generateLevel();
    }
    void take(int kind)
    {
        const Cell stairs = findKind(kind);
        PlayerX = stairs.x;
        PlayerY = stairs.y;
        changeLevel();
    }
};

TEST_F(StairsRule, UpStairsOnTheFirstLevelDoNothing)
{
    const Cell up = findKind(KIND_STAIRS_UP);
    take(KIND_STAIRS_UP);
    EXPECT_EQ(LevelIndex, 0);
    EXPECT_EQ(LevelStore.size(), 1u);
    EXPECT_TRUE(PlayerX == up.x && PlayerY == up.y);
}

TEST_F(StairsRule, DeeperLevelsAreBuiltOnceAndKeptWithTheirMonstersAndRemainingBottles)
{
    Monster *guard = monsterAt(PlayerX, PlayerY);
    bottleAt(1, 1);
    BottleList.erase(BottleList.begin());  // one collected before leaving
    const BottlePtrList bottlesLeft = BottleList;
    Tile *const firstLevelCell = TileGrid[20][20];

    take(KIND_STAIRS_DOWN);
    ASSERT_EQ(LevelIndex, 1);
    ASSERT_EQ(LevelStore.size(), 2u);
    EXPECT_TRUE(MonsterList.empty());
    const Cell up = findKind(KIND_STAIRS_UP);
    EXPECT_EQ(PlayerX, up.x);
    EXPECT_EQ(PlayerY, TileGrid[up.x][up.y + 1]->walkable == 1 ? up.y + 1 : up.y - 1);
    Monster *below = monsterAt(3, 3);
    Tile *const deeperCell = TileGrid[20][20];

    take(KIND_STAIRS_UP);
    ASSERT_EQ(LevelIndex, 0);
    EXPECT_EQ(TileGrid[20][20], firstLevelCell);
    EXPECT_EQ(MonsterList, MonsterPtrList{guard});
    EXPECT_EQ(BottleList, bottlesLeft);
    EXPECT_EQ(PlayerX, findKind(KIND_STAIRS_DOWN).x);

    take(KIND_STAIRS_DOWN);
    EXPECT_EQ(LevelIndex, 1);
    EXPECT_EQ(LevelStore.size(), 2u);
    EXPECT_EQ(TileGrid[20][20], deeperCell);
    EXPECT_EQ(MonsterList, MonsterPtrList{below});
}

TEST_F(StairsRule, PlayerArrivesBelowTheStairsOrAboveWhenBelowIsBlocked)
{
    fillCells<Floor>(9, 9, 11, 11);
    TileGrid[10][10] = new Stairs_up();
    placePlayerBeside(10, 10);
    EXPECT_TRUE(PlayerX == 10 && PlayerY == 11);
    TileGrid[10][11] = new Wall();
    placePlayerBeside(10, 10);
    EXPECT_TRUE(PlayerX == 10 && PlayerY == 9);
}
