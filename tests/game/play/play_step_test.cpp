#include <gtest/gtest.h>

#include "process/library_callbacks.h"
#include "play/play_loop.h"
#include "scores/name_dialog.h"
#include "screens/render_frame.h"
#include "shell_fixture.h"
#include "sound/music.h"

namespace {

// A small open room around the player, so it is never trapped.
void openRoomAroundPlayer()
{
    for (int x = 5; x <= 15; ++x)
        for (int y = 5; y <= 15; ++y) putCell<Floor>(x, y);
}

// The player's finger leaving ESC, a moment after the options closed.
void letGoOfEsc()
{
    key[KEY_ESC] = 0;
}

}  // namespace

using PlayStep = ShellTest;

TEST_F(PlayStep, EscOrTheCloseButtonEndTheGameBeforeAnythingMoves)
{
    openRoomAroundPlayer();
    key[KEY_ESC] = 1;
    key[KEY_RIGHT] = 1;
    EXPECT_EQ(playStep(), StepResult::Quit);
    EXPECT_EQ(PlayerX, 10);
    key[KEY_ESC] = 0;
    CloseRequested = 1;
    EXPECT_EQ(playStep(), StepResult::Quit);
    EXPECT_EQ(PlayerX, 10);
}

TEST_F(PlayStep, ArrowMovesThePlayerAndTheAnimationAdvances)
{
    openRoomAroundPlayer();
    key[KEY_RIGHT] = 1;
    AnimTick = 3;
    EXPECT_EQ(playStep(), StepResult::Continue);
    EXPECT_EQ(PlayerX, 11);
    EXPECT_EQ(AnimTick, 4);
    EXPECT_EQ(Lives, 3);
}

TEST_F(PlayStep, TheStepEmptiesTheKeyBuffer)
{
    openRoomAroundPlayer();
    simulate_keypress((KEY_A << 8) | 'a');
    ASSERT_TRUE(keypressed());
    playStep();
    EXPECT_FALSE(keypressed());
}

TEST_F(PlayStep, SpaceTogglesPauseAndAPausedWorldStandsStill)
{
    openRoomAroundPlayer();
    putMonster(14, 10);
    key[KEY_SPACE] = 1;
    key[KEY_RIGHT] = 1;
    AnimTick = 3;
    playStep();
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(PlayerX, 10);
    EXPECT_EQ(AnimTick, 3);
    EXPECT_EQ(MonsterList[0]->getX(), 14);

    key[KEY_SPACE] = 0;
    playStep();
    EXPECT_EQ(Paused, 1) << "a released SPACE changes nothing";
    EXPECT_EQ(PlayerX, 10);

    key[KEY_SPACE] = 1;
    playStep();
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(PlayerX, 11) << "the step that resumes play moves the world";
}

TEST_F(PlayStep, TheTrapRuleAppliesWhilePaused)
{
    // Open floor only diagonally: trapped.
    putCell<Floor>(11, 11);
    putCell<Stairs_up>(20, 20);
    putCell<Floor>(20, 21);
    Paused = 1;
    playStep();
    EXPECT_EQ(Lives, 2);
    EXPECT_EQ(PlayerY, 21);
}

TEST_F(PlayStep, F2PausesAndResumesTheMusic)
{
    openRoomAroundPlayer();
    key[KEY_F2] = 1;
    playStep();
    EXPECT_EQ(MusicPaused, 1);
    playStep();
    EXPECT_EQ(MusicPaused, 0);
}

TEST_F(PlayStep, MonstersMoveInListOrderSeeingEachOthersNewCells)
{
    openRoomAroundPlayer();
    // Enough monsters in a row that each sees the one before it move.
    putMonster(14, 10);
    putMonster(15, 10);
    advanceWorld(ArrowKeys{});
    EXPECT_EQ(MonsterList[0]->getX(), 13);
    EXPECT_EQ(MonsterList[1]->getX(), 14) << "the second monster sees the first at its new cell";
}

TEST_F(PlayStep, TheFrameShowsTheCameraWindowAroundThePlayer)
{
    // Far from the edges the player's cell is drawn at window column 12,
    // row 7; the cell to its right appears at column 13.
    PlayerX = 30;
    PlayerY = 30;
    putCell<Floor>(31, 30);
    drawFrame();
    const int floorColour = getpixel(WorldBitmap, 31 * 32 + 16, 30 * 32 + 16);
    EXPECT_EQ(getpixel(screen, 13 * 32 + 16, 7 * 32 + 16), floorColour);
    EXPECT_NE(getpixel(screen, 14 * 32 + 16, 7 * 32 + 16), floorColour);
}

TEST_F(PlayStep, WithoutTheSpriteSheetPlayGoesOn)
{
    openRoomAroundPlayer();
    putMonster(12, 12);
    Bottle *bottle = new Bottle();
    bottle->setPosition(8, 8);
    BottleList.push_back(bottle);
    BITMAP *sheet = SpriteSheet;
    SpriteSheet = nullptr;
    EXPECT_EQ(playStep(), StepResult::Continue);
    SpriteSheet = sheet;
}

TEST_F(PlayStep, F10OpensTheOptionsOnlyWhilePausedAndTheKeyThatLeftThemDoesNothing)
{
    openRoomAroundPlayer();
    static int opened = 0;
    opened = 0;
    int (*const dialogRunner)(DIALOG *, int) = NameDialogRunner;
    // The player looks, presses ESC to leave, and lets F10 go.
    NameDialogRunner = [](DIALOG *, int) {
        ++opened;
        key[KEY_F10] = 0;
        key[KEY_ESC] = 1;
        simulate_keypress((KEY_ESC << 8) | 27);
        install_int(letGoOfEsc, 100);
        return -1;
    };
    key[KEY_F10] = 1;
    playStep();
    EXPECT_EQ(opened, 0) << "not in running play";
    key[KEY_F10] = 0;
    Paused = 1;
    playStep();
    key[KEY_F10] = 1;
    EXPECT_EQ(playStep(), StepResult::Continue) << "the ESC that left the options ends nothing";
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(keypressed());
    EXPECT_EQ(playStep(), StepResult::Continue);
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(PlayerX, 10);
    remove_int(letGoOfEsc);
    NameDialogRunner = dialogRunner;
}
