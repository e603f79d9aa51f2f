// The "Win95" look in real dialogs: its 500 ms blink timer, the caret that
// blinks while a dialog idles, typing, and repeated set-up and tear-down.
#include <allegro.h>
#include <gtest/gtest.h>

#include "heap_bytes.h"
#include "installed_timer.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/looks/win95/look.h"

namespace {

struct Win95Dialog : testing::Test {
    void SetUp() override
    {
        if (!dialog_system_ready) GTEST_SKIP() << "no X display";
        remove_mouse();  // no graphics mode: do_dialog cannot draw a pointer
        clear_keybuf();
        init_theme(theme_win95);
        clear_test_screen();
    }
    void TearDown() override { shutdown_theme(); }
};

// Watches the blink flag until it has changed `changes` times; false if a
// minute goes by without a change.
bool blink_changes(int changes)
{
    int last = w95_blink;
    for (int quiet_ms = 0; changes > 0; rest(2), quiet_ms += 2) {
        if (w95_blink == last) {
            if (quiet_ms > 60 * 1000) return false;
            continue;
        }
        last = w95_blink;
        --changes;
        quiet_ms = 0;
    }
    return true;
}

// Without a graphics mode SCREEN_W and SCREEN_H are 0 and the dialog engine
// clips the screen to them before it redraws; reopening the clip lets the
// field's own drawing through unchanged.
int unclipped_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) set_clip_rect(screen, 0, 0, TEST_SCREEN_W - 1, TEST_SCREEN_H - 1);
    return theme_edit_proc(msg, d, c);
}

// The timer blinks every 500 ms as the look installed it; the caret of the
// idling dialog follows each blink, which the test makes itself with the
// timer stopped, so each is seen however slowly the dialog goes round.
TEST_F(Win95Dialog, CaretBlinksEvery500msWhileTheDialogIdles)
{
    EXPECT_EQ(installed_timer_period(w95_blink_tick), MSEC_TO_TIMER(500));
    remove_int(w95_blink_tick);
    char text[32] = "";
    DIALOG dlg[] = {{unclipped_edit_proc, 100, 60, 150, 20, 0, 0, 0, 0, 30, 0, text, nullptr, nullptr},
                    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    DIALOG_PLAYER *player = init_dialog(dlg, 0);
    ASSERT_TRUE(dlg[0].flags & D_GOTFOCUS);
    // An empty field's caret is the column x + 3 from y + 3 to y + th + 3.
    const int th = text_height(font);
    auto caret_shown = [&] { return count_colour(103, 63, 103, 63 + th, rgb16(0, 0, 0)) == th + 1; };
    for (int blink = 0; blink < 6; ++blink) {
        w95_blink = blink % 2;
        // A few rounds of the idling dialog: the field notices, then redraws.
        for (int round = 0; round < 10 && caret_shown() != (w95_blink == 1); ++round) update_dialog(player);
        EXPECT_EQ(caret_shown(), w95_blink == 1) << "at blink " << blink;
    }
    shutdown_dialog(player);
}

TEST_F(Win95Dialog, TypingChangesTheText)
{
    char text[32] = "Ahoy";
    DIALOG dlg[] = {{theme_edit_proc, 100, 60, 150, 20, 0, 0, 0, 0, 30, 4, text, nullptr, nullptr},
                    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    // NOLINTNEXTLINE(bugprone-signed-char-misuse): plain ASCII keys
    for (int ch : {' ', 'm', 'a', 'x'}) simulate_ukeypress(ch, 0);
    simulate_keypress(KEY_BACKSPACE << 8);
    // NOLINTNEXTLINE(bugprone-signed-char-misuse): plain ASCII keys
    for (int ch : {'t', 'e'}) simulate_ukeypress(ch, 0);
    simulate_keypress((KEY_ESC << 8) | 27);
    EXPECT_EQ(do_dialog(dlg, 0), -1);
    EXPECT_STREQ(text, "Ahoy mate");
}

TEST_F(Win95Dialog, TearDownStopsTheTimerAndRepeatedSetUpLeavesNothingBehind)
{
    EXPECT_TRUE(blink_changes(2)) << "the caret does not blink";
    shutdown_theme();
    EXPECT_EQ(installed_timer_period(w95_blink_tick), 0) << "the blink timer outlives the look";
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 40; ++i) init_theme(theme_win95), shutdown_theme();
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    EXPECT_EQ(installed_timer_period(w95_blink_tick), 0);
    init_theme(theme_win95);
    EXPECT_EQ(installed_timer_period(w95_blink_tick), MSEC_TO_TIMER(500));
    EXPECT_TRUE(blink_changes(1)) << "the caret does not blink after a new set-up";
}

}  // namespace
