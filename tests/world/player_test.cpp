// The player's moves: walls, the grid's edge and monsters block; a bottle
// scores once; the facing follows the last attempted move.
#include "world_fixture.h"

class PlayerMoves : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        fillCells<Floor>(1, 1, 48, 48);
        PlayerX = PlayerY = 10;
    }
};

TEST_F(PlayerMoves, RefusedMoveTurnsAndRestartsTheWalkButStaysPut)
{
    TileGrid[11][10] = new Wall();
    Player &p = *ThePlayer;
    p.frame = 3;
    p.frameDelay = 2;
    p.move(1, true);
    EXPECT_TRUE(PlayerX == 10 && PlayerY == 10);
    EXPECT_EQ(p.direction, 2);
    EXPECT_EQ(p.frame, 0);
    EXPECT_EQ(p.frameDelay, 2);
    EXPECT_EQ(p.frameCount, 2);
    p.frame = 1;
    p.move(1, true);  // same facing: the walk goes on
    EXPECT_EQ(p.frame, 1);
}

TEST_F(PlayerMoves, GridEdgesAreNeverCrossedNorLookedUpBeyond)
{
    // Past a column's ends lie its neighbours' cells in memory; all walkable,
    // so a look beyond the edge would move the player off the grid.
    fillCells<Floor>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
    const struct {
        int x, y, delta;
        bool horizontal;
    } edges[] = {{20, 49, 1, false}, {20, 0, -1, false}, {49, 20, 1, true}, {0, 20, -1, true}};
    for (const auto &e : edges) {
        PlayerX = e.x;
        PlayerY = e.y;
        ThePlayer->move(e.delta, e.horizontal);
        EXPECT_TRUE(PlayerX == e.x && PlayerY == e.y) << e.x << "," << e.y;
    }
}

TEST_F(PlayerMoves, MonsterBlocksEvenOverABottle)
{
    monsterAt(11, 10);
    bottleAt(11, 10);
    ThePlayer->move(1, true);
    EXPECT_EQ(PlayerX, 10);
    EXPECT_EQ(Score, 0);
    EXPECT_EQ(BottleList.size(), 1u);
}

TEST_F(PlayerMoves, BottleScoresTenOnceAndLeavesTheOthersInOrder)
{
    Bottle *first = bottleAt(3, 3);
    bottleAt(11, 10);
    Bottle *last = bottleAt(30, 30);
    ThePlayer->move(1, true);
    ThePlayer->move(-1, true);
    ThePlayer->move(1, true);
    EXPECT_EQ(Score, 10);
    EXPECT_EQ(BottleList, (BottlePtrList{first, last}));
}

TEST_F(PlayerMoves, LeftAndRightTogetherEndFacingLeftWhereItStarted)
{
    ArrowKeys both;
    both.left = both.right = true;
    playerTurn(both);
    EXPECT_EQ(PlayerX, 10);
    EXPECT_EQ(ThePlayer->direction, 4);
}
