// The "BeOS" look in running dialogs: its caret-blink timer, the focused
// edit field redrawn at each blink, and typing.
#include <chrono>
#include <cstdio>

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/looks/beos/look.h"

namespace {

using Clock = std::chrono::steady_clock;

long ms_since(Clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// Closes the dialog after d1 milliseconds, so no test can hang.
int close_after_proc(int msg, DIALOG *d, int)
{
    static Clock::time_point started;
    if (msg == MSG_START) started = Clock::now();
    return msg == MSG_IDLE && ms_since(started) >= d->d1 ? D_CLOSE : D_O_K;
}

// The edit forwarder, counting the row's draws in its bg field (the look
// ignores the row's own colours).
int counting_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) ++d->bg;
    return theme_edit_proc(msg, d, c);
}

// Watches the blink flag for `ms` milliseconds; returns how often it
// changed and, through `period`, the mean time between changes.
int blink_changes_within(int ms, double *period = nullptr)
{
    int changes = 0, last = beos_blink;
    Clock::time_point first, latest;
    for (const Clock::time_point start = Clock::now(); ms_since(start) < ms;) {
        rest(2);
        if (beos_blink == last) continue;
        last = beos_blink;
        latest = Clock::now();
        if (changes++ == 0) first = latest;
    }
    if (period && changes > 1)
        *period = std::chrono::duration<double, std::milli>(latest - first).count() / (changes - 1);
    return changes;
}

struct BeosDialog : testing::Test {
    void SetUp() override
    {
        REQUIRE_DIALOG_SYSTEM();
        init_theme(theme_beos);
        clear_keybuf();
    }
    void TearDown() override { shutdown_theme(); }
};

TEST_F(BeosDialog, TimerBlinksWhileCurrentAndIsRemovedAtShutdown)
{
    double period = 0;
    EXPECT_GE(blink_changes_within(2600, &period), 4);
    std::printf("caret blink period: %.1f ms\n", period);
    EXPECT_NEAR(period, 500.0, 100.0);
    for (int round = 0; round < 5; ++round) {
        shutdown_theme();
        init_theme(theme_beos);
    }
    shutdown_theme();
    EXPECT_EQ(blink_changes_within(700), 0);
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
}

TEST_F(BeosDialog, FocusedFieldRedrawsAtEachBlinkWhereverItIs)
{
    char first[16] = "Port", second[16] = "Starboard";
    DIALOG dialog[] = {
        {counting_edit_proc, 10, 10, 160, 20, 0, 0, 0, 0, 15, 0, first, nullptr, nullptr},
        {counting_edit_proc, 10, 40, 160, 20, 0, 0, 0, 0, 15, 0, second, nullptr, nullptr},
        {close_after_proc, 0, 0, 0, 0, 0, 0, 0, 0, 1700, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    do_dialog(dialog, 1);
    EXPECT_GE(dialog[1].bg, 1 + 2);  // the opening draw, then at least two blinks
    EXPECT_LE(dialog[0].bg, 2);
}

}  // namespace
