// The "Win95" look in real dialogs: its 500 ms blink timer, the caret that
// blinks while a dialog idles, typing, and repeated set-up and tear-down.
#include <allegro.h>
#include <gtest/gtest.h>

#include "heap_bytes.h"
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

int blink_changes_within(int ms)
{
    int changes = 0, last = w95_blink;
    for (int t = 0; t < ms; t += 10, rest(10))
        if (w95_blink != last) last = w95_blink, ++changes;
    return changes;
}

// Without a graphics mode SCREEN_W and SCREEN_H are 0 and the dialog engine
// clips the screen to them before it redraws; reopening the clip lets the
// field's own drawing through unchanged.
int unclipped_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) set_clip_rect(screen, 0, 0, TEST_SCREEN_W - 1, TEST_SCREEN_H - 1);
    return theme_edit_proc(msg, d, c);
}

TEST_F(Win95Dialog, CaretBlinksEvery500msWhileTheDialogIdles)
{
    char text[32] = "";
    DIALOG dlg[] = {{unclipped_edit_proc, 100, 60, 150, 20, 0, 0, 0, 0, 30, 0, text, nullptr, nullptr},
                    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    DIALOG_PLAYER *player = init_dialog(dlg, 0);
    ASSERT_TRUE(dlg[0].flags & D_GOTFOCUS);
    // An empty field's caret is the column x + 3 from y + 3 to y + th + 3.
    const int th = text_height(font);
    int transitions = 0, shown_samples = 0;
    bool last = false;
    for (int t = 0; t < 1600; t += 10, rest(10)) {
        update_dialog(player);
        const bool shown = count_colour(103, 63, 103, 63 + th, rgb16(0, 0, 0)) == th + 1;
        shown_samples += shown;
        transitions += t > 0 && shown != last;
        last = shown;
    }
    shutdown_dialog(player);
    EXPECT_GE(transitions, 2);
    EXPECT_GT(shown_samples, 30);
    EXPECT_LT(shown_samples, 130);
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
    EXPECT_GE(blink_changes_within(1100), 2);
    shutdown_theme();
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 40; ++i) init_theme(theme_win95), shutdown_theme();
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    EXPECT_EQ(blink_changes_within(600), 0);
    init_theme(theme_win95);
    EXPECT_GE(blink_changes_within(1100), 1);
}

}  // namespace
