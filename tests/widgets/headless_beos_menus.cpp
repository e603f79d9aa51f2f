// The "BeOS" look's menu hooks: the frame drawn once per menu by its first
// item, item colours, label and shortcut, separators, arrows and ticks.
#include <string>

#include "headless_beos_fixture.h"

namespace {

struct BeosMenu : BeosTest {
    // An item 100 x 12 at (20, 20) inside a menu at (18, 18).
    static constexpr int X = 20, Y = 20, W = 100, H = 12;
    MENU child_menu[1] = {{nullptr, nullptr, nullptr, 0, nullptr}};

    static MENU item(const char *text, int flags = 0, MENU *child = nullptr)
    {
        MENU m = {const_cast<char *>(text), nullptr, child, flags, nullptr};
        return m;
    }
    void draw(MENU m, int bar = 0, int sel = 0) { beos_draw_menu_item(&m, X, Y, W, H, bar, sel); }
};

TEST_F(BeosMenu, HooksAreInstalled)
{
    EXPECT_EQ(gui_menu_draw_menu, beos_draw_menu);
    EXPECT_EQ(gui_menu_draw_menu_item, beos_draw_menu_item);
}

TEST_F(BeosMenu, FrameIsDrawnOncePerMenuByItsFirstItem)
{
    beos_draw_menu(18, 18, 104, 40);
    EXPECT_TRUE(rect_is(0, 0, 200, 100, untouched()));
    EXPECT_EQ(beos_menu_rect.x, 18);
    EXPECT_EQ(beos_menu_rect.h, 40);

    draw(item("Rum"));
    EXPECT_TRUE(hline_is(18, 121, 57, grey(100)));
    EXPECT_EQ(screen_pixel(18, 40), grey(100));

    clear_test_screen();
    draw(item("Grog"));
    EXPECT_EQ(screen_pixel(18, 40), untouched());

    // The next menu gets its own frame, a bar's in the bar's colours.
    beos_draw_menu(18, 18, 104, 16);
    draw(item("File"), 1);
    EXPECT_EQ(screen_pixel(18, 25), grey(152));
}

TEST_F(BeosMenu, ItemColours)
{
    beos_menu_frame_drawn = 1;
    draw(item("Rum"));
    EXPECT_EQ(screen_pixel(X, Y), grey(216));
    EXPECT_EQ(screen_pixel(X + W - 1, Y + H - 1), grey(216));
    EXPECT_GT(count_colour(X + 8, Y + 1, X + 40, Y + 1 + th, black()), 0);

    draw(item("Rum"), 0, 1);
    EXPECT_EQ(screen_pixel(X, Y), grey(184));
    EXPECT_GT(count_colour(X + 8, Y + 1, X + 40, Y + 1 + th, black()), 0);

    draw(item("Rum", D_DISABLED), 0, 1);
    EXPECT_EQ(screen_pixel(X, Y), grey(216));
    EXPECT_GT(count_colour(X + 8, Y + 1, X + 40, Y + 1 + th, grey(184)), 0);
    EXPECT_EQ(count_colour(X, Y, X + W - 1, Y + H - 1, black()), 0);
}

TEST_F(BeosMenu, TabSplitsLabelAndShortcut)
{
    beos_menu_frame_drawn = 1;
    draw(item("Open\tCtrl+O"));
    const int right_start = X + W - text_length(font, "Ctrl+O") - 10;
    // The label starts at x + 8; the shortcut ends 10 pixels before the edge.
    EXPECT_GT(count_colour(X + 8, Y, X + 15, Y + H - 1, black()), 0);
    EXPECT_EQ(count_colour(X, Y, X + 7, Y + H - 1, black()), 0);
    EXPECT_GT(count_colour(right_start, Y, right_start + 7, Y + H - 1, black()), 0);
    EXPECT_EQ(count_colour(X + W - 10, Y, X + W - 1, Y + H - 1, black()), 0);
    // The tab itself is not drawn: nothing between the two parts.
    const int label_end = X + 8 + text_length(font, "Open");
    EXPECT_EQ(count_colour(label_end, Y, right_start - 1, Y + H - 1, black()), 0);
}

TEST_F(BeosMenu, EmptyTextIsASeparatorWithoutArrow)
{
    beos_menu_frame_drawn = 1;
    draw(item("", 0, child_menu));
    EXPECT_TRUE(hline_is(X, X + W - 1, Y + th / 2 - 1, grey(184)));
    EXPECT_TRUE(hline_is(X, X + W - 1, Y + th / 2, grey(239)));
    EXPECT_EQ(count_colour(X + W - 12, Y, X + W - 1, Y + H - 1, white()), 0);
}

TEST_F(BeosMenu, SubMenuArrowOutsideTheBar)
{
    beos_menu_frame_drawn = 1;
    const int ax = X + W - 12, ay = Y + H / 2 - 7;
    draw(item("More", 0, child_menu));
    EXPECT_EQ(screen_pixel(ax + 2, ay + 3), white());      // '|'
    EXPECT_EQ(screen_pixel(ax + 1, ay + 6), grey(128));    // ','
    draw(item("More", 0, child_menu), 0, 1);
    EXPECT_EQ(screen_pixel(ax + 2, ay + 3), grey(239));    // selected: the dimmer key
    EXPECT_EQ(screen_pixel(ax, ay + 6), grey(184));        // blank: item background

    draw(item("More", 0, child_menu), 1, 0);
    EXPECT_EQ(count_colour(ax, Y, X + W - 1, Y + H - 1, grey(128)), 0);
}

TEST_F(BeosMenu, TickedItem)
{
    beos_menu_frame_drawn = 1;
    draw(item("Sails", D_SELECTED));
    EXPECT_EQ(screen_pixel(X + 1, Y + th / 2 + 1), black());
    EXPECT_EQ(screen_pixel(X + 3, Y + th + 1), black());
    EXPECT_EQ(screen_pixel(X + 6, Y + 2), black());
}

TEST_F(BeosMenu, OverlongLabelIsCutToItsBuffer)
{
    beos_menu_frame_drawn = 1;
    // 400 two-byte characters before the tab: far more than the buffer holds.
    std::string text;
    for (int i = 0; i < 400; ++i) text += "\xC3\xA9";
    text += "\tZ";
    draw(item(text.c_str()));
    const int right_start = X + W - text_length(font, "Z") - 10;
    EXPECT_GT(count_colour(right_start, Y, right_start + 7, Y + H - 1, black()), 0);
}

}  // namespace
