// The "BeOS" look's menu hooks: one frame per menu, drawn by its first
// item; label and shortcut; separators; arrows.
#include "headless_beos_fixture.h"

namespace {

// Items 100 x 12 at (20, 20).
struct BeosMenu : BeosTest {
    MENU child[1] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    void draw(const char *text, int flags = 0, bool has_child = false, int bar = 0, int sel = 0)
    {
        MENU m = {const_cast<char *>(text), nullptr, has_child ? child : nullptr, flags, nullptr};
        beos_draw_menu_item(&m, 20, 20, 100, 12, bar, sel);
    }
};

TEST_F(BeosMenu, FrameIsDrawnOncePerMenuByItsFirstItem)
{
    EXPECT_EQ(gui_menu_draw_menu_item, beos_draw_menu_item);
    beos_draw_menu(18, 18, 104, 40);
    EXPECT_TRUE(rect_is(0, 0, 200, 100, untouched()));
    draw("Rum");
    EXPECT_TRUE(hline_is(18, 121, 57, grey(100)));
    clear_test_screen();
    draw("Grog");
    EXPECT_EQ(screen_pixel(18, 40), untouched());
    // A menu bar's frame is lighter.
    beos_draw_menu(18, 18, 104, 16);
    draw("File", 0, false, 1);
    EXPECT_EQ(screen_pixel(18, 25), grey(152));
}

TEST_F(BeosMenu, LabelShortcutAndColours)
{
    beos_menu_frame.pending = false;
    draw("Open\tCtrl+O", 0, false, 0, 1);
    EXPECT_EQ(screen_pixel(20, 20), grey(184));
    const int shortcut = 120 - text_length(font, "Ctrl+O") - 10;
    EXPECT_GT(count_colour(28, 20, 35, 31, black()), 0);
    EXPECT_GT(count_colour(shortcut, 20, shortcut + 7, 31, black()), 0);
    EXPECT_EQ(count_colour(28 + text_length(font, "Open"), 20, shortcut - 1, 31, black()), 0);
    EXPECT_EQ(count_colour(110, 20, 119, 31, black()), 0);

    draw("Rum", D_DISABLED | D_SELECTED, false, 0, 1);
    EXPECT_EQ(screen_pixel(20, 20), grey(216));
    EXPECT_GT(count_colour(28, 20, 51, 31, grey(184)), 0);
    EXPECT_EQ(screen_pixel(21, 20 + th / 2 + 1), grey(184));  // the tick, in the text colour
}

TEST_F(BeosMenu, SeparatorAndArrow)
{
    beos_menu_frame.pending = false;
    draw("", 0, true);
    EXPECT_TRUE(hline_is(20, 119, 20 + th / 2 - 1, grey(184)));
    EXPECT_TRUE(hline_is(20, 119, 20 + th / 2, grey(239)));
    EXPECT_EQ(count_colour(108, 20, 119, 31, grey(128)), 0);  // no arrow on a separator

    const int ax = 108, ay = 20 + 6 - 7;
    draw("More", 0, true);
    EXPECT_EQ(screen_pixel(ax + 2, ay + 3), white());
    EXPECT_EQ(screen_pixel(ax + 1, ay + 6), grey(128));
    draw("More", 0, true, 0, 1);
    EXPECT_EQ(screen_pixel(ax + 2, ay + 3), grey(239));
    draw("More", 0, true, 1, 0);
    EXPECT_EQ(count_colour(ax, 20, 119, 31, grey(128)), 0);  // none on the bar
}

}  // namespace
