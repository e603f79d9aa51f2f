#include <gtest/gtest.h>

#include "play/game_over.h"
#include "play/trap_rule.h"
#include "rest_log.h"
#include "screens/camera.h"
#include "screens/render_frame.h"
#include "screens/trap_blink.h"
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

// The pirate shown for a half of the hold, then the cell beneath it, and so
// on, read at each of the hold's rests (the game draws a half, then rests
// until it is over, in slices). The rests return at once: the game keeps
// its halves by the clock, which then stands still, so each half's rests
// add up to the time left until the half's end from the hold's start,
// however busy the machine.
TEST_F(TrapRule, TheTrappedPirateBlinksThroughTheHoldThenGoesBesideTheStairs)
{
    putCell<Stairs_up>(20, 20);
    putCell<Floor>(20, 21);
    drawFrame();
    const int x = (PlayerX - cameraX(PlayerX)) * 32 + 16, y = (PlayerY - cameraY(PlayerY)) * 32 + 16;
    const int pirate = getpixel(screen, x, y);
    // The halves as the rests saw them: what each showed, and how long its
    // rests asked for.
    std::vector<int> shown;
    std::vector<unsigned int> asked;
    {
        RestLog rests;
        ASSERT_TRUE(rests.watching());
        rests.sleeps = false;
        rests.onRest = [&] {
            const int colour = getpixel(screen, x, y);
            if (shown.empty() || shown.back() != colour) {
                shown.push_back(colour);
                asked.push_back(0);
            }
            asked.back() += rests.lengths().back();
        };
        checkTrapped();
    }
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(TRAPPED_HOLD_MS / TRAP_BLINK_HALF_MS)) << "halves in the hold";
    for (std::size_t half = 0; half < shown.size(); ++half) {
        SCOPED_TRACE("half " + std::to_string(half + 1));
        EXPECT_EQ(shown[half], half % 2 == 0 ? pirate : shown[1]);
        // Until the half's end, less what drawing took since the start.
        EXPECT_LE(asked[half], (half + 1) * TRAP_BLINK_HALF_MS);
        EXPECT_GT(asked[half], half * TRAP_BLINK_HALF_MS);
    }
    EXPECT_NE(shown[1], pirate);
    // The rule's outcome is as ever.
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(PlayerX, 20);
    EXPECT_EQ(PlayerY, 21);
}
