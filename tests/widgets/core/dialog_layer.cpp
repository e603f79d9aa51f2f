// Real dialogs built from the forwarders, in the stock look and in "GTK":
// typing, push buttons and their callbacks, ESC.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_fixture.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

int presses = 0;
int keep_open(DIALOG *)
{
    ++presses;
    return D_O_K;
}
int close_dialog(DIALOG *)
{
    ++presses;
    return D_CLOSE;
}

char name[128];

// The shape of the game's name-entry dialog: a field, a push button.
struct NameDialog : DialogTest, testing::WithParamInterface<const char *> {
    DIALOG rows[4] = {
        {theme_edit_proc, 15, 75, 125, 8, 0, 0, 0, 0, 100, 0, name, nullptr, nullptr},
        {theme_push_proc, 90, 115, 100, 18, 0, 0, 0, 0, 0, 0, const_cast<char *>("YARRR"), nullptr,
         reinterpret_cast<void *>(keep_open)},
        {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    void SetUp() override
    {
        DialogTest::SetUp();
        if (IsSkipped()) return;
        use_look(GetParam());
        std::memset(name, 0, sizeof name);
        presses = 0;
    }
};

TEST_P(NameDialog, TypingChangesTextAndCaret)
{
    for (const char *p = "Jack"; *p; ++p) queue_char(*p);
    queue_key(KEY_LEFT, 0);
    queue_char('y');
    queue_esc();
    EXPECT_EQ(do_dialog(rows, 0), -1);
    EXPECT_STREQ(name, "Jacyk");
    EXPECT_EQ(rows[0].d2, 4);
    EXPECT_EQ(rows[0].x, 15);  // the row is back at its own position
    EXPECT_EQ(rows[0].y, 75);
    EXPECT_EQ(edit_shift_depth, 0);
    if (std::strcmp(GetParam(), "GTK") == 0) {
        // Last drawn while focused: the caret before "k" at x + 4 + 4 * 8 - 1,
        // at the row's true position.
        const int th = text_height(font);
        EXPECT_TRUE(vline_is(15 + 35, 75 + 3, 75 + th + 3, rgb16(0, 0, 0)));
        EXPECT_TRUE(hline_is(15, 139, 75, rgb16(0, 0, 0)));
    }
}

TEST_P(NameDialog, CallbackReturningZeroLeavesDialogOpen)
{
    queue_tab();  // focus the button
    queue_enter();
    queue_enter();
    queue_esc();
    EXPECT_EQ(do_dialog(rows, 0), -1);  // closed by ESC, not by the button
    EXPECT_EQ(presses, 2);
    EXPECT_FALSE(rows[1].flags & D_SELECTED);
}

TEST_P(NameDialog, CallbackReturningCloseClosesDialog)
{
    rows[1].dp3 = reinterpret_cast<void *>(close_dialog);
    queue_tab();
    queue_enter();
    queue_esc();  // left unread: the button already closed the dialog
    EXPECT_EQ(do_dialog(rows, 0), 1);
    EXPECT_EQ(presses, 1);
}

TEST_P(NameDialog, EscCloses)
{
    queue_esc();
    EXPECT_EQ(do_dialog(rows, 0), -1);
    EXPECT_EQ(presses, 0);
}

INSTANTIATE_TEST_SUITE_P(Looks, NameDialog, testing::Values("Allegro", "GTK"));

TEST_F(DialogTest, GtkPushButtonIsRedrawnRaisedAfterPress)
{
    use_look("GTK");
    presses = 0;
    DIALOG rows[] = {
        {theme_push_proc, 90, 115, 100, 18, 0, 0, 0, 0, 0, 0, const_cast<char *>("YARRR"), nullptr,
         reinterpret_cast<void *>(keep_open)},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    queue_enter();
    queue_esc();
    do_dialog(rows, 0);
    EXPECT_EQ(presses, 1);
    // Still focused when drawn last: black frame, prelight (raised) face.
    EXPECT_EQ(screen_pixel(90, 115), rgb16(0, 0, 0));
    EXPECT_EQ(screen_pixel(91, 116), rgb16(255, 255, 255));
    EXPECT_EQ(screen_pixel(95, 118), rgb16(238, 234, 238));
}

TEST_F(DialogTest, StockPushButtonIsRedrawnAfterItsCallback)
{
    use_look("Allegro");
    // The callback wipes the button; the stock push rule answers D_REDRAWME,
    // so the dialog engine draws it again after the callback returns.
    static auto wipe = [](DIALOG *d) -> int {
        rectfill(screen, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, makecol(255, 0, 255));
        return D_O_K;
    };
    int (*cb)(DIALOG *) = wipe;
    // ESC only once the dialog has idled a few times after the press, so
    // the engine has had its chance to redraw.
    static int idles;
    idles = 0;
    static auto esc_later = [](int msg, DIALOG *, int) -> int {
        if (msg == MSG_IDLE && ++idles == 5) queue_esc();
        return D_O_K;
    };
    DIALOG rows[] = {
        {theme_push_proc, 90, 115, 100, 18, makecol(0, 0, 0), makecol(255, 255, 255), 0, 0, 0, 0,
         const_cast<char *>("YARRR"), nullptr, reinterpret_cast<void *>(cb)},
        {esc_later, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    queue_enter();
    EXPECT_EQ(do_dialog(rows, 0), -1);
    // (d_button_proc leaves its top-right and bottom-left corner pixels alone.)
    EXPECT_EQ(count_colour(90, 115, 188, 131, rgb16(255, 0, 255)), 0);
}

TEST_F(DialogTest, ThemeSwitchInsideRunningDialogRestylesIt)
{
    use_look("GTK");
    // The callback makes the stock look current; the redraw that follows
    // comes through the forwarders in the new look.
    static auto switch_look = [](DIALOG *) -> int {
        shutdown_theme();
        init_theme(theme_allegro);
        return D_REDRAW;
    };
    int (*cb)(DIALOG *) = switch_look;
    DIALOG rows[] = {
        {theme_box_proc, 0, 0, 200, 100, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
        {theme_push_proc, 20, 20, 100, 18, 0, 0, 0, 0, 0, 0, const_cast<char *>("Switch"), nullptr,
         reinterpret_cast<void *>(cb)},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    queue_enter();
    queue_esc();
    do_dialog(rows, 1);
    EXPECT_EQ(current_theme, theme_allegro);
    // d_box_proc fills with the row's bg (0 here) and outlines in fg (0):
    // the GTK face is gone from the box's inside.
    EXPECT_NE(screen_pixel(150, 80), rgb16(214, 214, 214));
}

}  // namespace
