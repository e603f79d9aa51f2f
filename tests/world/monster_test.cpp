// The chase: a monster acts at every second call, alternating axes, and
// never steps onto the player, another monster or an unwalkable cell.
#include <cstdlib>

#include "world_fixture.h"

class MonsterChase : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        fillCells<Floor>(1, 1, 49, 49);
        PlayerX = PlayerY = 20;
    }
};

TEST_F(MonsterChase, ActsAtItsFirstCallAlongXRestsAtItsSecondThenTriesY)
{
    Monster *m = monsterAt(10, 15);
    m->step();
    EXPECT_TRUE(m->getX() == 11 && m->getY() == 15);
    EXPECT_EQ(m->direction, 4);
    m->step();
    EXPECT_TRUE(m->getX() == 11 && m->getY() == 15);
    m->step();
    EXPECT_TRUE(m->getX() == 11 && m->getY() == 16);
    EXPECT_EQ(m->direction, 3);
}

TEST_F(MonsterChase, WastesItsTurnsOnTheAxisItSharesWithThePlayerAndOnWalls)
{
    Monster *sameColumn = monsterAt(20, 10);
    sameColumn->step();
    EXPECT_TRUE(sameColumn->getX() == 20 && sameColumn->getY() == 10);
    sameColumn->step();
    sameColumn->step();
    EXPECT_EQ(sameColumn->getY(), 11);

    TileGrid[29][30] = new Wall();
    Monster *walled = monsterAt(30, 30);
    walled->step();  // X blocked by the wall
    walled->step();
    walled->step();  // Y is tried next all the same
    EXPECT_TRUE(walled->getX() == 30 && walled->getY() == 29);
    EXPECT_EQ(walled->direction, 1);
}

TEST_F(MonsterChase, NeverStepsOntoThePlayerOrAnotherMonster)
{
    Monster *front = monsterAt(19, 20);
    Monster *back = monsterAt(17, 20);
    for (int call = 0; call < 12; ++call) {
        front->step();
        back->step();
    }
    EXPECT_EQ(front->getX(), 19);
    EXPECT_EQ(back->getX(), 18);

    Monster *onPlayer = monsterAt(20, 20);
    for (int call = 0; call < 4; ++call) onPlayer->step();
    EXPECT_TRUE(onPlayer->getX() == 20 && onPlayer->getY() == 20);
}

TEST_F(MonsterChase, SpawnDrawsItsChanceThenTheCellThenTheVariety)
{
    int seed = 1;
    for (std::srand(seed); std::rand() % 80 != 0; std::srand(++seed)) {
    }
    const int x = std::rand() % 49 + 1;
    const int y = std::rand() % 49 + 1;
    const int variety = std::rand() % 2;
    AnimTick = 5;
    std::srand(seed);
    spawnMonster();
    ASSERT_EQ(MonsterList.size(), 1u);
    const Monster *m = MonsterList[0];
    EXPECT_TRUE(m->getX() == x && m->getY() == y && m->variety == variety);
    EXPECT_TRUE(m->moveAlongX == 1 && m->resting == 0);
    EXPECT_EQ(AnimTick, 0);
}
