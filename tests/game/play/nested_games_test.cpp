// A game over starts the next game inside the play step that lost the last
// life. These tests play several such games, nested, through the real timed
// loop, and unwind them: the sanitizer build proves that releasing each old
// game's cells and actors never frees what a returning loop still uses.
#include <gtest/gtest.h>

#include <cstddef>

#include "process/library_callbacks.h"
#include "play/game_over.h"
#include "play/new_game.h"
#include "play/play_loop.h"
#include "shell_fixture.h"

namespace {

// Answers every key wait (title and game-over screens) a moment later, as a
// player would. Runs on Allegro's timer thread.
void pressEnterWhenIdle()
{
    if (!keypressed()) simulate_keypress((KEY_ENTER << 8) | '\r');
}

// The script the play loop follows, one decision per timed step.
struct Script {
    int trapsLeft = 0;          // steps at which the player is walled in
    int stepsBetweenQuits = 0;  // normal steps before each brief ESC
    int quits = 0;              // ESC presses made
    int stepsSinceQuit = 0;
    int stepsAfterLastQuit = 0;  // steps taken since the last ESC
    std::size_t mostWorldObjects = 0;
};
Script script;

void followScript()
{
    key[KEY_ESC] = 0;  // ESC held for one step only: a brief press
    const std::size_t objects = WorldOwner::instance().objectCount();
    if (objects > script.mostWorldObjects) script.mostWorldObjects = objects;

    if (script.trapsLeft > 0) {
        // Column 0 next to the grid's left edge: nothing there is walkable
        // and the trap rule counts column 0 as closed anyway.
        PlayerX = 0;
        PlayerY = 25;
        --script.trapsLeft;
        return;
    }
    ++script.stepsAfterLastQuit;
    if (++script.stepsSinceQuit > script.stepsBetweenQuits) {
        key[KEY_ESC] = 1;
        ++script.quits;
        script.stepsSinceQuit = 0;
        script.stepsAfterLastQuit = 0;
    }
}

class NestedGames : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        script = Script();
        PlayStepHook = followScript;
        install_int(pressEnterWhenIdle, 15);
    }
    void TearDown() override
    {
        remove_int(pressEnterWhenIdle);
        ShellTest::TearDown();
    }
};

}  // namespace

TEST_F(NestedGames, ThreeGameOversNestAndUnwindOneEscAtATime)
{
    const int gameOvers = 3;
    script.trapsLeft = 3 * gameOvers;  // three lives per game
    script.stepsBetweenQuits = 2;      // every returning loop plays on a little

    newGame();

    // One ESC ended each of the four games; the first game's loop returned
    // last, after the others, as main() would see it.
    EXPECT_EQ(script.quits, gameOvers + 1);
    EXPECT_EQ(script.trapsLeft, 0);
    // The state is the innermost game's: nothing was lost there.
    EXPECT_EQ(Lives, 3);
    EXPECT_EQ(Score, 0);
    ASSERT_NE(ThePlayer, nullptr);
    // Only that game's objects are alive: every new game released the old.
    const std::size_t oneLevel = GRID_SIZE * GRID_SIZE;
    EXPECT_LT(WorldOwner::instance().objectCount(), 2 * oneLevel);
    EXPECT_LT(script.mostWorldObjects, 3 * oneLevel);
}

TEST_F(NestedGames, HoldingEscEndsEveryLoop)
{
    script.trapsLeft = 3 * 2;
    script.stepsBetweenQuits = 1;
    // After the first press ESC stays down.
    PlayStepHook = [] {
        if (script.quits > 0) {
            key[KEY_ESC] = 1;
            ++script.stepsAfterLastQuit;
            return;
        }
        followScript();
    };
    newGame();
    EXPECT_EQ(script.quits, 1);
    EXPECT_EQ(script.stepsAfterLastQuit, 2) << "each of the two returning loops ends at its next step";
}

TEST_F(NestedGames, CloseButtonEndsEveryLoop)
{
    script.trapsLeft = 3 * 2;
    script.stepsBetweenQuits = 1000;
    PlayStepHook = [] {
        followScript();
        if (script.trapsLeft == 0) CloseRequested = 1;
    };
    newGame();
    EXPECT_EQ(script.quits, 0);
    EXPECT_EQ(CloseRequested, 1);
}

TEST_F(NestedGames, GameOverForgetsTheStoredLevels)
{
    script.trapsLeft = 0;
    script.stepsBetweenQuits = 0;  // the new game ends at its first step
    LevelStore.resize(3);
    gameOver();
    // The store now holds only the new game's first level.
    EXPECT_EQ(LevelStore.size(), 1u);
    EXPECT_EQ(LevelIndex, 0);
}
