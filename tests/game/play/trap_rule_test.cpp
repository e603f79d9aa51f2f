#include <gtest/gtest.h>

#include "play/game_over.h"
#include "play/trap_rule.h"
#include "screens/camera.h"
#include "screens/render_frame.h"
#include "shell_fixture.h"

#include <string>
#include <vector>

namespace {

struct Side {
    const char *name;
    int dx, dy;
};
const Side SIDES[] = {{"east", 1, 0}, {"west", -1, 0}, {"north", 0, -1}, {"south", 0, 1}};
const Side DIAGONALS[] = {{"north-east", 1, -1}, {"north-west", -1, -1}, {"south-east", 1, 1}, {"south-west", -1, 1}};

void floorAround(int x, int y)
{
    for (const Side &side : SIDES) putCell<Floor>(x + side.dx, y + side.dy);
}

// The screen at the trapped pirate's cell, sampled by the timer every 10 ms.
constexpr int MOST_SAMPLES = 100;
volatile int BlinkSamples[MOST_SAMPLES];
volatile int BlinkSampleCount = 0;
int BlinkX = 0;
int BlinkY = 0;

void sampleBlink()
{
    if (BlinkSampleCount < MOST_SAMPLES) BlinkSamples[BlinkSampleCount++] = getpixel(screen, BlinkX, BlinkY);
}

}  // namespace

using TrapRule = ShellTest;

TEST_F(TrapRule, OneOpenSideIsEnough)
{
    for (const Side &side : SIDES) {
        SCOPED_TRACE(side.name);
        putCell<Floor>(10 + side.dx, 10 + side.dy);
        EXPECT_FALSE(playerIsTrapped());
        putCell<Tile>(10 + side.dx, 10 + side.dy);
    }
}

TEST_F(TrapRule, WalkableCellsOnlyDiagonallyMeanTrapped)
{
    for (const Side &corner : DIAGONALS) putCell<Floor>(10 + corner.dx, 10 + corner.dy);
    EXPECT_TRUE(playerIsTrapped());
}

TEST_F(TrapRule, NeighbourInColumnOrRowZeroCountsAsBlocked)
{
    PlayerX = 1;
    putCell<Floor>(0, 10);
    EXPECT_TRUE(playerIsTrapped());
    PlayerX = 10;
    PlayerY = 1;
    putCell<Floor>(10, 0);
    EXPECT_TRUE(playerIsTrapped());
}

// At the far corner nothing beyond the grid may be read (the sanitizer
// build would catch the read); the last column and row are looked at.
TEST_F(TrapRule, FarCornerNeverLooksPastTheGrid)
{
    PlayerX = 49;
    PlayerY = 49;
    EXPECT_TRUE(playerIsTrapped());
    putCell<Floor>(48, 49);
    EXPECT_FALSE(playerIsTrapped());
    PlayerX = 48;
    PlayerY = 48;
    EXPECT_FALSE(playerIsTrapped());
}

TEST_F(TrapRule, AMonsterBlocksOnlyItsOwnSide)
{
    for (const Side &open : SIDES) {
        SCOPED_TRACE(open.name);
        MonsterList.clear();
        floorAround(10, 10);
        for (const Side &side : SIDES)
            if (&side != &open) putMonster(10 + side.dx, 10 + side.dy);
        EXPECT_FALSE(playerIsTrapped());
        // The monster that was missing closes the last side.
        putMonster(10 + open.dx, 10 + open.dy);
        EXPECT_TRUE(playerIsTrapped());
    }
}

TEST_F(TrapRule, DiagonalMonstersAndOneOnThePlayerChangeNothing)
{
    putCell<Floor>(11, 10);
    for (const Side &corner : DIAGONALS) putMonster(10 + corner.dx, 10 + corner.dy);
    putMonster(10, 10);
    EXPECT_FALSE(playerIsTrapped());
}

TEST_F(TrapRule, TrapCostsALifeClearsMonstersAndRespawnsBelowTheStairsUp)
{
    putCell<Stairs_up>(20, 20);
    putCell<Floor>(20, 21);
    putCell<Floor>(20, 19);
    putMonster(11, 10);
    putMonster(30, 30);
    takeWorldEvents();
    checkTrapped();
    EXPECT_EQ(Lives, 2);
    EXPECT_TRUE(MonsterList.empty());
    EXPECT_EQ(PlayerX, 20);
    EXPECT_EQ(PlayerY, 21);
    // The stairs next to the player are walkable, so it is free again.
    EXPECT_FALSE(playerIsTrapped());
    // Reported once, naming the cell it happened on and the lives left.
    const std::vector<WorldEvent> events = takeWorldEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, WorldEventKind::PlayerTrapped);
    EXPECT_EQ(events[0].x, 10);
    EXPECT_EQ(events[0].y, 10);
    EXPECT_EQ(events[0].livesLeft, 2);
    // Free, the player is not trapped again: nothing more to report.
    checkTrapped();
    EXPECT_TRUE(takeWorldEvents().empty());
}

TEST_F(TrapRule, TheLastLifeReportsTheTrapThenTheGameOverAndRunsTheGameOver)
{
    putMonster(11, 10);
    Lives = 1;
    Score = 70;
    static int gameOvers;
    gameOvers = 0;
    GameOverRunner = [] { ++gameOvers; };
    takeWorldEvents();
    checkTrapped();
    GameOverRunner = gameOver;
    EXPECT_EQ(gameOvers, 1);
    const std::vector<WorldEvent> events = takeWorldEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, WorldEventKind::PlayerTrapped);
    EXPECT_EQ(events[0].livesLeft, 0);
    EXPECT_EQ(events[1].kind, WorldEventKind::GameOver);
    EXPECT_EQ(events[1].points, 70);
}

TEST_F(TrapRule, RespawnAboveTheStairsWhenBelowIsClosed)
{
    putCell<Stairs_up>(20, 20);
    putCell<Floor>(20, 19);
    checkTrapped();
    EXPECT_EQ(PlayerX, 20);
    EXPECT_EQ(PlayerY, 19);
    EXPECT_FALSE(playerIsTrapped());
}

TEST_F(TrapRule, LastStairsUpInColumnOrderWins)
{
    putCell<Stairs_up>(5, 30);
    putCell<Stairs_up>(30, 5);
    putCell<Stairs_up>(30, 4);
    putCell<Floor>(30, 6);
    checkTrapped();
    EXPECT_EQ(PlayerX, 30);
    EXPECT_EQ(PlayerY, 6);
}

TEST_F(TrapRule, LevelWithoutStairsUpLeavesThePlayerOnTheGrid)
{
    // Placing the player beside its own cell here would put it in row -1.
    PlayerX = 30;
    PlayerY = 0;
    checkTrapped();
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(PlayerX, 30);
    EXPECT_EQ(PlayerY, 0);
}

TEST_F(TrapRule, TheTrappedPirateBlinksThroughTheHoldThenGoesBesideTheStairs)
{
    putCell<Stairs_up>(20, 20);
    putCell<Floor>(20, 21);
    drawFrame();
    BlinkX = (PlayerX - cameraX(PlayerX)) * 32 + 16;
    BlinkY = (PlayerY - cameraY(PlayerY)) * 32 + 16;
    const int pirate = getpixel(screen, BlinkX, BlinkY);
    BlinkSampleCount = 0;
    install_int(sampleBlink, 10);
    checkTrapped();
    remove_int(sampleBlink);

    // Runs of one colour: the pirate, the cell beneath, the pirate, the cell,
    // some 100 ms each. A busy machine's timer may miss the last half, so
    // three runs will do; it must never show a run of twice the half.
    std::vector<int> colours, lengths;
    for (int i = 0; i < BlinkSampleCount; ++i) {
        const int colour = BlinkSamples[i];
        if (colours.empty() || colours.back() != colour) {
            colours.push_back(colour);
            lengths.push_back(0);
        }
        ++lengths.back();
    }
    std::string runs;
    for (std::size_t i = 0; i < colours.size(); ++i)
        runs += (colours[i] == pirate ? " pirate x" : " other x") + std::to_string(lengths[i]);
    SCOPED_TRACE(std::to_string(BlinkSampleCount) + " samples:" + runs);
    ASSERT_GE(colours.size(), 3u);
    ASSERT_LE(colours.size(), 4u);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        EXPECT_EQ(colours[i], i % 2 == 0 ? pirate : colours[1]);
        EXPECT_LT(lengths[i], 18);
    }
    EXPECT_NE(colours[1], pirate);
    // The rule's outcome is as ever.
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(PlayerX, 20);
    EXPECT_EQ(PlayerY, 21);
}
