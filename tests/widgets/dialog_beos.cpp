// The "BeOS" look in running dialogs: its caret-blink timer, the edit field
// redrawn at each blink, typing, and the push button's callback.
#include <chrono>
#include <cstring>

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/beos.h"

namespace {

using Clock = std::chrono::steady_clock;

// A dialog row that closes the dialog after `d1` milliseconds, so that a
// test never hangs and can let a dialog run for a fixed time.
int close_after_proc(int msg, DIALOG *d, int)
{
    static Clock::time_point started;
    if (msg == MSG_START) started = Clock::now();
    if (msg == MSG_IDLE &&
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count() >= d->d1)
        return D_CLOSE;
    return D_O_K;
}

// The edit forwarder, counting how often each row is drawn (d->bg is free
// for the count: the look ignores the row's own colours).
int counting_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) ++d->bg;
    return theme_edit_proc(msg, d, c);
}

struct BeosDialog : testing::Test {
    void SetUp() override
    {
        REQUIRE_DIALOG_SYSTEM();
        shutdown_theme();
        init_theme(theme_beos);
        clear_keybuf();
    }
    void TearDown() override
    {
        shutdown_theme();
        clear_keybuf();
    }
};

int blink_changes_within(int ms)
{
    int changes = 0;
    int last = beos_blink;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < end) {
        rest(5);
        if (beos_blink != last) {
            last = beos_blink;
            ++changes;
        }
    }
    return changes;
}

TEST_F(BeosDialog, TimerBlinksWhileCurrentAndStopsAtShutdown)
{
    EXPECT_GE(blink_changes_within(1300), 2);
    shutdown_theme();
    EXPECT_EQ(blink_changes_within(700), 0);

    // Again and again: each round installs and removes its own timer.
    for (int round = 0; round < 5; ++round) {
        init_theme(theme_beos);
        shutdown_theme();
    }
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(blink_changes_within(600), 0);
}

TEST_F(BeosDialog, TypingChangesTheText)
{
    char text[32] = "";
    DIALOG dialog[] = {
        {theme_edit_proc, 10, 10, 160, 20, 0, 0, 0, D_EXIT, 20, 0, text, nullptr, nullptr},
        {close_after_proc, 0, 0, 0, 0, 0, 0, 0, 0, 10000, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    for (const char *p = "Ahoy"; *p; ++p) simulate_ukeypress(*p, 0);
    simulate_keypress((KEY_ENTER << 8) | '\r');
    EXPECT_EQ(do_dialog(dialog, 0), 0);
    EXPECT_STREQ(text, "Ahoy");
    EXPECT_EQ(dialog[0].d2, 4);
}

TEST_F(BeosDialog, FocusedFieldRedrawsAtEachBlink)
{
    char first[16] = "Port", second[16] = "Starboard";
    DIALOG dialog[] = {
        {counting_edit_proc, 10, 10, 160, 20, 0, 0, 0, 0, 15, 0, first, nullptr, nullptr},
        {counting_edit_proc, 10, 40, 160, 20, 0, 0, 0, 0, 15, 0, second, nullptr, nullptr},
        {close_after_proc, 0, 0, 0, 0, 0, 0, 0, 0, 1700, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    // The focus on the second field: the first, unfocused one is idled
    // first in every round and must not swallow the blink.
    do_dialog(dialog, 1);
    EXPECT_GE(dialog[1].bg, 1 + 2);  // the opening draw, then at least two blinks
    EXPECT_LE(dialog[0].bg, 2);
}

int close_on_press(DIALOG *) { return D_CLOSE; }
int pressed_count = 0;
int count_press(DIALOG *)
{
    ++pressed_count;
    return D_O_K;
}

TEST_F(BeosDialog, PushButtonCallbackDecidesWhetherTheDialogCloses)
{
    char label[] = "YARRR";
    DIALOG dialog[] = {
        {theme_push_proc, 10, 10, 80, 20, 0, 0, 0, 0, 0, 0, label, nullptr, reinterpret_cast<void *>(count_press)},
        {close_after_proc, 0, 0, 0, 0, 0, 0, 0, 0, 600, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    pressed_count = 0;
    simulate_keypress((KEY_ENTER << 8) | '\r');
    EXPECT_EQ(do_dialog(dialog, 0), 1);  // closed by the timeout row, not the button
    EXPECT_EQ(pressed_count, 1);
    EXPECT_FALSE(dialog[0].flags & D_SELECTED);

    dialog[0].dp3 = reinterpret_cast<void *>(close_on_press);
    simulate_keypress((KEY_ENTER << 8) | '\r');
    EXPECT_EQ(do_dialog(dialog, 0), 0);
}

}  // namespace
