// The "BeOS" look in running dialogs: its caret-blink timer, the focused
// edit field redrawn at each blink, and typing.
#include <gtest/gtest.h>

#include "installed_timer.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/looks/beos/look.h"

namespace {

// Closes the dialog once it has been round its loop d1 times with no key
// waiting: after the keys it was given, whatever became of them, so no
// test can hang, however slowly the machine runs it.
int close_when_idle_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_START) d->d2 = 0;
    if (msg != MSG_IDLE || keypressed()) return D_O_K;
    return ++d->d2 >= d->d1 ? D_CLOSE : D_O_K;
}

// Stands in for the blink timer: at each round of the dialog the blink
// changes, d1 times, and the round after the last the dialog closes.
int blinking_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_START) d->d2 = 0;
    if (msg != MSG_IDLE) return D_O_K;
    if (d->d2 == d->d1) return D_CLOSE;
    beos_blink = !beos_blink;
    ++d->d2;
    return D_O_K;
}

// The edit forwarder, counting the row's draws in its bg field (the look
// ignores the row's own colours).
int counting_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg == MSG_DRAW) ++d->bg;
    return theme_edit_proc(msg, d, c);
}

// Watches the blink flag until it has changed `changes` times; false if a
// minute goes by without a change.
bool blink_changes(int changes)
{
    int last = beos_blink;
    for (int quiet_ms = 0; changes > 0; rest(2), quiet_ms += 2) {
        if (beos_blink == last) {
            if (quiet_ms > 60 * 1000) return false;
            continue;
        }
        last = beos_blink;
        --changes;
        quiet_ms = 0;
    }
    return true;
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

// The blink's period is the timer's as the look installed it; that it
// blinks is seen in the flag, and that the timer went at shut-down in
// Allegro's list of timers.
TEST_F(BeosDialog, TimerBlinksWhileCurrentAndIsRemovedAtShutdown)
{
    EXPECT_EQ(installed_timer_period(beos_blink_tick), MSEC_TO_TIMER(500));
    EXPECT_TRUE(blink_changes(2)) << "the caret does not blink";
    for (int round = 0; round < 5; ++round) {
        shutdown_theme();
        init_theme(theme_beos);
    }
    EXPECT_EQ(installed_timer_period(beos_blink_tick), MSEC_TO_TIMER(500));
    shutdown_theme();
    EXPECT_EQ(installed_timer_period(beos_blink_tick), 0) << "the blink timer outlives the look";
}

TEST_F(BeosDialog, TypingChangesTheText)
{
    char text[32] = "";
    DIALOG dialog[] = {
        {theme_edit_proc, 10, 10, 160, 20, 0, 0, 0, D_EXIT, 20, 0, text, nullptr, nullptr},
        {close_when_idle_proc, 0, 0, 0, 0, 0, 0, 0, 0, 10000, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    for (const char *p = "Ahoy"; *p; ++p) simulate_ukeypress(*p, 0);
    simulate_keypress((KEY_ENTER << 8) | '\r');
    EXPECT_EQ(do_dialog(dialog, 0), 0);
    EXPECT_STREQ(text, "Ahoy");
}

// The blinks come from the dialog itself, one a round, with the look's
// timer stopped: each is seen, however slowly the dialog goes round.
TEST_F(BeosDialog, FocusedFieldRedrawsAtEachBlinkWhereverItIs)
{
    remove_int(beos_blink_tick);
    char first[16] = "Port", second[16] = "Starboard";
    DIALOG dialog[] = {
        {counting_edit_proc, 10, 10, 160, 20, 0, 0, 0, 0, 15, 0, first, nullptr, nullptr},
        {counting_edit_proc, 10, 40, 160, 20, 0, 0, 0, 0, 15, 0, second, nullptr, nullptr},
        {blinking_proc, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    do_dialog(dialog, 1);
    EXPECT_GE(dialog[1].bg, 1 + 3);  // the opening draw, then one at each blink
    EXPECT_LE(dialog[0].bg, 2);
}

}  // namespace
