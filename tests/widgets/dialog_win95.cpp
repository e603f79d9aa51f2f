// The "Win95" look in real dialogs: its 500 ms blink timer, the caret that
// blinks while a dialog idles, typing into its edit field, and setting the
// look up and down again and again. Needs the timer, hence an X display.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>

#include "heap_bytes.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/win95.h"

namespace {
// Without a graphics mode SCREEN_W and SCREEN_H are 0, and the dialog
// engine clips the screen to them before each redraw; opening the clip to
// the test screen lets the field's drawing through unchanged.
int unclipped_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) set_clip_rect(screen, 0, 0, TEST_SCREEN_W - 1, TEST_SCREEN_H - 1);
    return theme_edit_proc(msg, d, c);
}

class Win95Dialog : public testing::Test {
protected:
    void SetUp() override
    {
        if (!dialog_system_ready) GTEST_SKIP() << "no X display";
        clear_keybuf();
        init_theme(theme_win95);
        clear_test_screen();
    }
    void TearDown() override
    {
        if (dialog_system_ready) shutdown_theme();
    }
};

// Counts changes of w95_blink seen while polling for `ms` milliseconds.
int blink_changes_within(int ms)
{
    int changes = 0;
    int last = w95_blink;
    for (int t = 0; t < ms; t += 10) {
        rest(10);
        if (w95_blink != last) {
            last = w95_blink;
            ++changes;
        }
    }
    return changes;
}

TEST_F(Win95Dialog, BlinkTimerTicksEvery500msAndStopsAtShutdown)
{
    const int changes = blink_changes_within(1300);
    EXPECT_GE(changes, 2);
    EXPECT_LE(changes, 3);
    shutdown_theme();
    EXPECT_EQ(blink_changes_within(700), 0);
    init_theme(theme_win95);
    EXPECT_GE(blink_changes_within(1100), 1);
}

TEST_F(Win95Dialog, CaretBlinksWhileTheDialogIdles)
{
    char text[32] = "";
    DIALOG dlg[] = {
        // proc            x    y   w    h   fg bg key flags d1  d2 dp
        {unclipped_edit_proc, 100, 60, 150, 20, 0, 0, 0, 0, 30, 0, text, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    remove_mouse(); // no graphics mode here: the pointer cannot be drawn
    DIALOG_PLAYER *player = init_dialog(dlg, 0);
    ASSERT_NE(player, nullptr);
    ASSERT_TRUE(dlg[0].flags & D_GOTFOCUS);
    // The caret of an empty field is the column x + 3, y + 3 .. y + th + 3.
    const int th = text_height(font);
    int transitions = 0, shown_samples = 0, hidden_samples = 0;
    bool last_shown = false;
    for (int t = 0; t < 1600; t += 10) {
        update_dialog(player);
        const bool shown = count_colour(103, 63, 103, 63 + th, rgb16(0, 0, 0)) == th + 1;
        (shown ? shown_samples : hidden_samples)++;
        if (t > 0 && shown != last_shown) ++transitions;
        last_shown = shown;
        rest(10);
    }
    shutdown_dialog(player);
    EXPECT_GE(transitions, 2);
    EXPECT_GT(shown_samples, 20);
    EXPECT_GT(hidden_samples, 20);
}

TEST_F(Win95Dialog, TypingChangesTheText)
{
    char text[32] = "Ahoy";
    DIALOG dlg[] = {
        {theme_edit_proc, 100, 60, 150, 20, 0, 0, 0, 0, 30, 4, text, nullptr, nullptr},
        {theme_button_proc, 100, 100, 80, 20, 0, 0, 0, 0, 0, 0, const_cast<char *>("OK"), nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    remove_mouse(); // no graphics mode here: the pointer cannot be drawn
    simulate_ukeypress(' ', KEY_SPACE);
    simulate_ukeypress('m', KEY_M);
    simulate_ukeypress('a', KEY_A);
    simulate_ukeypress('x', KEY_X);
    simulate_keypress(KEY_BACKSPACE << 8);
    simulate_ukeypress('t', KEY_T);
    simulate_ukeypress('e', KEY_E);
    simulate_keypress((KEY_ESC << 8) | 27);
    const int closed_by = do_dialog(dlg, 0);
    EXPECT_EQ(closed_by, -1);
    EXPECT_STREQ(text, "Ahoy mate");
}

TEST_F(Win95Dialog, SettingUpAndTearingDownRepeatedlyLeavesNothingBehind)
{
    shutdown_theme();
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 40; ++i) {
        init_theme(theme_win95);
        ASSERT_NE(w95_radio_on, nullptr);
        ASSERT_EQ(gui_menu_draw_menu_item, w95_draw_menu_item);
        shutdown_theme();
        ASSERT_EQ(w95_radio_on, nullptr);
        ASSERT_EQ(gui_menu_draw_menu, nullptr);
    }
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    // The timer is gone with the look: the flag stands still.
    EXPECT_EQ(blink_changes_within(600), 0);
    // Other looks in between do not disturb it either.
    init_theme(theme_ase);
    shutdown_theme();
    init_theme(theme_win95);
    EXPECT_GE(blink_changes_within(1100), 1);
}

} // namespace
