// Key sets and short taps, as the play step reads them.
#include <gtest/gtest.h>

#include "input/key_bindings.h"
#include "input/step_input.h"
#include "shell_fixture.h"

namespace {

class KeyBindings : public ShellTest {
protected:
    void TearDown() override
    {
        applyKeySettings(Settings());
        ShellTest::TearDown();
    }
    // A press and its release, both between two steps.
    static void tap(int scancode)
    {
        noteKeyEvent(scancode);
        key[scancode] = 1;
        key[scancode] = 0;
        noteKeyEvent(scancode | 0x80);
    }
};

TEST_F(KeyBindings, ATapBetweenStepsWalksAtTheNextStepOnceAndOnlyWhenTapsCount)
{
    applyKeySettings(Settings());
    tap(KEY_RIGHT);
    EXPECT_TRUE(readKeyboardInput().walk.right);
    EXPECT_FALSE(readKeyboardInput().walk.right) << "a tap counts for one step";

    // Holding is as it always was, tap or no tap.
    key[KEY_LEFT] = 1;
    EXPECT_TRUE(readKeyboardInput().walk.left);
    EXPECT_TRUE(readKeyboardInput().walk.left);
    key[KEY_LEFT] = 0;

    // Only walking keys: a SPACE shorter than a step does not pause.
    tap(KEY_SPACE);
    EXPECT_FALSE(readKeyboardInput().pause);

    // Before play begins the taps are forgotten.
    tap(KEY_UP);
    forgetTaps();
    EXPECT_FALSE(readKeyboardInput().walk.up);

    Settings off;
    off.shortTaps = false;
    applyKeySettings(off);
    tap(KEY_DOWN);
    EXPECT_FALSE(readKeyboardInput().walk.down) << "with taps off a released key is lost, as it was";
}

TEST_F(KeyBindings, EachKeySetBindsItsKeysAndNoOthers)
{
    Settings wasd;
    wasd.keySet = KeySet::ArrowsAndWasd;
    applyKeySettings(wasd);
    key[KEY_W] = 1;
    EXPECT_TRUE(readKeyboardInput().walk.up);
    key[KEY_W] = 0;
    key[KEY_UP] = 1;
    EXPECT_TRUE(readKeyboardInput().walk.up);
    key[KEY_UP] = 0;
    EXPECT_EQ(controlKeyNames(CONTROL_LEFT), "LEFT or A");

    applyKeySettings(Settings());
    key[KEY_W] = 1;
    EXPECT_FALSE(readKeyboardInput().walk.up) << "the arrows alone do not walk with W";
    key[KEY_W] = 0;

    Settings custom;
    custom.keySet = KeySet::Custom;
    custom.customKeys[CONTROL_UP] = KEY_I;
    custom.customKeys[CONTROL_PAUSE] = KEY_P;
    applyKeySettings(custom);
    key[KEY_UP] = 1;
    EXPECT_FALSE(readKeyboardInput().walk.up) << "a custom set replaces the arrow";
    key[KEY_UP] = 0;
    key[KEY_I] = key[KEY_P] = 1;
    const StepInput input = readKeyboardInput();
    EXPECT_TRUE(input.walk.up);
    EXPECT_TRUE(input.pause);
    key[KEY_I] = key[KEY_P] = 0;
    key[KEY_ESC] = 1;
    EXPECT_TRUE(readKeyboardInput().quit) << "ESC always quits";
    key[KEY_ESC] = 0;
    EXPECT_EQ(controlOfKey(KEY_P), CONTROL_PAUSE);
    EXPECT_EQ(controlOfKey(KEY_SPACE), CONTROL_COUNT);
}

}  // namespace
