#include <gtest/gtest.h>

#include <allegro.h>

#include "input/focus_pause.h"
#include "input/gamepad.h"
#include "input/key_wait.h"
#include "play/play_loop.h"
#include "shell_fixture.h"
#include "sound/music.h"
#include "world/game_state.h"

namespace {

// One pad as the Linux driver reports a common one: the left stick first,
// a one-axis trigger, and the d-pad last; twelve buttons.
class Gamepad : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        joy[0] = JOYSTICK_INFO{};
        joy[0].flags = JOYFLAG_ANALOGUE | JOYFLAG_SIGNED;
        joy[0].num_sticks = 3;
        joy[0].stick[0].num_axis = 2;
        joy[0].stick[1].num_axis = 1;
        joy[0].stick[2].num_axis = 2;
        for (int s = 0; s < 3; ++s) joy[0].stick[s].flags = JOYFLAG_ANALOGUE | JOYFLAG_SIGNED;
        joy[0].num_buttons = 12;
        num_joysticks = 1;
        readGamepadControls();  // forget buttons of earlier tests
    }
    void TearDown() override
    {
        joy[0] = JOYSTICK_INFO{};
        readGamepadControls();
        num_joysticks = 0;
        ShellTest::TearDown();
    }
    static void lean(int stick, int across, int along)
    {
        joy[0].stick[stick].axis[0].pos = across;
        joy[0].stick[stick].axis[1].pos = along;
    }
};

std::string directions(const ArrowKeys &walk)
{
    return std::string(walk.right ? "R" : "") + (walk.left ? "L" : "") + (walk.up ? "U" : "") + (walk.down ? "D" : "");
}

void openRoomAroundPlayer()
{
    for (int x = 5; x <= 15; ++x)
        for (int y = 5; y <= 15; ++y) putCell<Floor>(x, y);
}

}  // namespace

TEST_F(Gamepad, StickAndDpadWalkEachDirectionAndDiagonalsAsTwoArrows)
{
    struct Case {
        int stick, across, along;
        const char *walk;
    };
    // clang-format off
    const Case cases[] = {
        // stick across along  walk
        { 0,     128,    0,    "R"  },
        { 0,    -128,    0,    "L"  },
        { 0,       0, -128,    "U"  },
        { 0,       0,  128,    "D"  },
        { 0,     100, -100,    "RU" },
        { 0,     -90,   90,    "LD" },
        { 2,     128,    0,    "R"  },  // the d-pad
        { 2,    -128, -128,    "LU" },
        { 0,      47,  -48,    ""   },  // inside the dead zone
        { 0,      49,   20,    "R"  },  // just past it
        { 1,     128,    0,    ""   },  // a trigger does not walk
    };
    // clang-format on
    for (const Case &c : cases) {
        lean(c.stick, c.across, c.along);
        EXPECT_EQ(directions(readGamepadControls().walk), c.walk)
            << "stick " << c.stick << " at (" << c.across << ", " << c.along << ")";
        lean(c.stick, 0, 0);
    }
}

TEST_F(Gamepad, ADiagonalMovesThePlayerAsTwoArrowKeysDoAndMixesWithThem)
{
    openRoomAroundPlayer();
    lean(0, 120, 120);
    playStep();
    EXPECT_EQ(PlayerX, 11);
    EXPECT_EQ(PlayerY, 11);
    lean(0, 0, 0);
    key[KEY_LEFT] = 1;
    lean(2, 0, -128);
    playStep();
    EXPECT_EQ(PlayerX, 10);
    EXPECT_EQ(PlayerY, 10);
}

TEST_F(Gamepad, AHeldPauseButtonTogglesOnceAndStartPausesToo)
{
    openRoomAroundPlayer();
    joy[0].button[PAUSE_BUTTON_FACE].b = 1;
    for (int step = 0; step < 5; ++step) playStep();
    EXPECT_EQ(Paused, 1) << "held through five steps, toggled once";
    joy[0].button[PAUSE_BUTTON_FACE].b = 0;
    playStep();
    EXPECT_EQ(Paused, 1);
    joy[0].button[PAUSE_BUTTON_START].b = 1;
    playStep();
    EXPECT_EQ(Paused, 0);
    joy[0].button[PAUSE_BUTTON_START].b = 0;
    joy[0].button[3].b = 1;
    playStep();
    EXPECT_EQ(Paused, 0) << "other buttons do not pause";
}

TEST_F(Gamepad, AnyButtonLeavesTheTitleButOneHeldSinceBeforeDoesNot)
{
    joy[0].button[3].b = 1;
    readGamepadControls();  // a play step saw it down
    EXPECT_FALSE(gamepadButtonPressed());
    joy[0].button[11].b = 1;
    waitForKeyPress();  // returns on the new button
    EXPECT_FALSE(keypressed());
    // The button that left the title is still down at the first play step
    // and must not pause the game.
    joy[0].button[PAUSE_BUTTON_FACE].b = 1;
    EXPECT_TRUE(gamepadButtonPressed());
    openRoomAroundPlayer();
    playStep();
    EXPECT_EQ(Paused, 0);
}

TEST(GamepadWithoutPad, GivesNothing)
{
    num_joysticks = 0;
    joy[0].button[0].b = 1;
    joy[0].stick[0].axis[0].pos = 128;
    const GamepadControls controls = readGamepadControls();
    EXPECT_EQ(directions(controls.walk), "");
    EXPECT_FALSE(controls.pause);
    EXPECT_FALSE(gamepadButtonPressed());
    joy[0] = JOYSTICK_INFO{};
}

using FocusPause = ShellTest;

TEST_F(FocusPause, LosingTheFocusPausesPlayAndMusicUntilSpaceResumesBoth)
{
    openRoomAroundPlayer();
    armFocusPause();
    FocusLost = 1;
    key[KEY_RIGHT] = 1;
    playStep();
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(MusicPaused, 1);
    EXPECT_EQ(PlayerX, 10) << "the step that sees the focus go moves nothing";
    playStep();
    EXPECT_EQ(Paused, 1) << "coming back does not resume play by itself";
    key[KEY_SPACE] = 1;
    playStep();
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(MusicPaused, 0) << "the music the focus loss paused plays again";
    EXPECT_EQ(PlayerX, 11);
}

TEST_F(FocusPause, LeavesAlonePausesThePlayerChoseAndFocusLostOutsidePlay)
{
    openRoomAroundPlayer();
    // Music paused with F2 before the focus went stays paused after SPACE.
    armFocusPause();
    MusicPaused = 1;
    FocusLost = 1;
    playStep();
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(MusicPaused, 1);
    key[KEY_SPACE] = 1;
    playStep();
    key[KEY_SPACE] = 0;
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(MusicPaused, 1);

    // Already paused: the focus loss does not unpause; music the player
    // resumes with F2 meanwhile is theirs, SPACE leaves it playing.
    MusicPaused = 0;
    Paused = 1;
    FocusLost = 1;
    playStep();
    EXPECT_EQ(Paused, 1);
    EXPECT_EQ(MusicPaused, 1);
    key[KEY_F2] = 1;
    playStep();
    key[KEY_F2] = 0;
    EXPECT_EQ(MusicPaused, 0);
    key[KEY_SPACE] = 1;
    playStep();
    EXPECT_EQ(Paused, 0);
    EXPECT_EQ(MusicPaused, 0);

    // A focus loss on the title screen is forgotten when play begins.
    key[KEY_SPACE] = 0;
    FocusLost = 1;
    armFocusPause();
    playStep();
    EXPECT_EQ(Paused, 0);
}
