// The options dialog with the keyboard alone: Tab and the arrows change the
// settings, Enter on OK saves them, ESC puts everything back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "display/window_scale.h"
#include "settings/options_dialog.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "shell_fixture.h"
#include "widgets/theme.h"

namespace {

// Keys fed to the running dialog one at a time from a timer: the dialog
// empties the keyboard buffer as it starts, so they cannot be queued before.
int FedKeys[64];
volatile int FedCount = 0;
volatile int NextFed = 0;

// The character the dialog engine reads with each scancode.
int characterOf(int scancode)
{
    switch (scancode) {
    case KEY_ESC:
        return 27;
    case KEY_TAB:
        return '\t';
    case KEY_ENTER:
        return '\r';
    case KEY_SPACE:
        return ' ';
    default:
        return 0;
    }
}

void feedOneKey()
{
    if (NextFed >= FedCount || keypressed()) return;
    const int scancode = FedKeys[NextFed];
    simulate_ukeypress(characterOf(scancode), scancode);
    NextFed = NextFed + 1;
}
END_OF_FUNCTION(feedOneKey)

class OptionsDialog : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        char pattern[] = "/tmp/grog-options-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        config_ = pattern;
        setenv("XDG_CONFIG_HOME", pattern, 1);
        currentSettings() = savedSettings() = Settings();
        init_theme(theme_gtk);
        clear_keybuf();
        FedCount = NextFed = 0;
        LOCK_FUNCTION(feedOneKey);
        install_int(feedOneKey, 5);
    }
    void TearDown() override
    {
        remove_int(feedOneKey);
        applySettings(Settings());
        currentSettings() = savedSettings() = Settings();
        unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(config_);
        ShellTest::TearDown();
    }
    // Queues keys (scancodes) for the dialog, in order.
    static void press(int scancode, int times = 1)
    {
        for (int i = 0; i < times && FedCount < 64; ++i) FedKeys[FedCount++] = scancode;
    }
    std::string config_;
};

TEST_F(OptionsDialog, OkSavesWhatTheKeysChose)
{
    // Focus starts on the music volume; the tab order follows the rows.
    press(KEY_LEFT, 3);  // music volume 97
    press(KEY_TAB, 3);   // effects volume, effects on, short taps
    press(KEY_SPACE);    // short taps off
    press(KEY_TAB, 3);   // fullscreen, arrows, arrows + WASD
    press(KEY_SPACE);    // choose arrows + WASD
    press(KEY_TAB, 8);   // custom, six keys, scale
    press(KEY_TAB);      // look
    press(KEY_DOWN, 4);  // "BeOS"
    press(KEY_TAB);      // OK
    press(KEY_ENTER);
    ASSERT_TRUE(runOptionsDialog());
    const Settings saved = loadSettings(config_ + "/grog-sloop/settings.cfg");
    EXPECT_EQ(saved.musicVolume, 97);
    EXPECT_FALSE(saved.shortTaps);
    EXPECT_EQ(saved.keySet, KeySet::ArrowsAndWasd);
    EXPECT_EQ(saved.look, "BeOS");
    EXPECT_EQ(currentSettings(), saved);
    EXPECT_EQ(current_theme, theme_beos) << "the dialogs take the look at once";
}

TEST_F(OptionsDialog, EscapeLeavesEverythingAsItWasAndSavesNothing)
{
    press(KEY_LEFT, 20);  // music volume 80, heard at once
    press(KEY_TAB, 13);   // the look list
    press(KEY_DOWN, 2);   // "Win95"
    press(KEY_ESC);
    EXPECT_FALSE(runOptionsDialog());
    EXPECT_EQ(currentSettings(), Settings());
    EXPECT_EQ(current_theme, theme_gtk);
    EXPECT_FALSE(std::filesystem::exists(config_ + "/grog-sloop/settings.cfg"));
}

TEST_F(OptionsDialog, OffersOnlyTheScalesThatFitTheDesktopThenAuto)
{
    // A scale chosen on a larger desktop survives a visit that leaves the
    // list alone.
    currentSettings().windowScale = savedSettings().windowScale = MAX_WINDOW_SCALE;
    press(KEY_TAB, 16);  // OK
    press(KEY_ENTER);
    ASSERT_TRUE(runOptionsDialog());
    EXPECT_EQ(loadSettings(config_ + "/grog-sloop/settings.cfg").windowScale, MAX_WINDOW_SCALE);

    // Past the largest scale that fits comes "auto", the list's last row.
    FedCount = NextFed = 0;
    press(KEY_TAB, 14);  // the scale list
    press(KEY_HOME);     // "1"
    press(KEY_DOWN, largestOfferedScale());
    press(KEY_TAB, 2);  // OK
    press(KEY_ENTER);
    ASSERT_TRUE(runOptionsDialog());
    EXPECT_EQ(loadSettings(config_ + "/grog-sloop/settings.cfg").windowScale, SCALE_TO_DESKTOP)
        << "a desktop that fits scale " << largestOfferedScale() << " is offered more";
}

}  // namespace
