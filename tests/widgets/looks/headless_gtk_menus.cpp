// The "GTK" look's menu hooks, drawn straight through Allegro's hook
// pointers as the menu code calls them.
#include <gtest/gtest.h>

#include <string>

#include "gtk_fixture.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

int do_nothing()
{
    return D_O_K;
}

MENU child_menu[] = {
    {const_cast<char *>("Inner"), do_nothing, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

struct GtkMenu : GtkTest {
    int th = 0;
    void SetUp() override
    {
        GtkTest::SetUp();
        th = text_height(font);
        ASSERT_NE(gui_menu_draw_menu_item, nullptr);
        ASSERT_NE(gui_menu_draw_menu, nullptr);
    }
    void draw(MENU *m, int bar, int sel) { gui_menu_draw_menu_item(m, 100, 100, 160, th + 4, bar, sel); }
};

TEST_F(GtkMenu, TabSplitsLabelAndRightAlignedShortcut)
{
    MENU m = {const_cast<char *>("Open\tCtrl+O"), do_nothing, nullptr, 0, nullptr};
    draw(&m, 0, 0);
    EXPECT_TRUE(text_drawn_at("Open", 108, 101, black));
    EXPECT_TRUE(text_drawn_at("Ctrl+O", 100 + 160 - text_length(font, "Ctrl+O") - 10, 101, black));
    EXPECT_EQ(screen_pixel(101, 101), face);
    EXPECT_EQ(screen_pixel(100 + 160 - 3, 100 + th), face);  // fill ends at x + w - 3, y + h - 4
    EXPECT_EQ(screen_pixel(100 + 160 - 2, 101), background);
}

TEST_F(GtkMenu, HighlightedAndDisabledItems)
{
    MENU m = {const_cast<char *>("Save"), do_nothing, nullptr, 0, nullptr};
    draw(&m, 0, 1);
    EXPECT_EQ(screen_pixel(101, 101), prelight);
    EXPECT_TRUE(text_drawn_at("Save", 108, 101, black));
    m.flags = D_DISABLED;
    draw(&m, 0, 1);
    EXPECT_EQ(screen_pixel(101, 101), face);
    EXPECT_TRUE(text_drawn_at("Save", 108, 101, shadow));
}

TEST_F(GtkMenu, SubmenuArrowOnlyOffTheBar)
{
    MENU m = {const_cast<char *>("More"), nullptr, child_menu, 0, nullptr};
    const int h = th + 4;
    draw(&m, 0, 0);
    // Arrow at (x + w - 12, y + (h - 7) / 2): its first column is white.
    EXPECT_EQ(screen_pixel(100 + 160 - 12, 100 + (h - 7) / 2), white);
    EXPECT_EQ(screen_pixel(100 + 160 - 12, 100 + (h - 7) / 2 + 6), shadow);
    clear_test_screen();
    draw(&m, 1, 0);
    EXPECT_EQ(count_colour(100 + 160 - 12, 100, 100 + 160 - 5, 100 + h - 1, white), 0);
}

TEST_F(GtkMenu, EmptyTextIsSeparatorWithoutArrow)
{
    MENU m = {const_cast<char *>(""), nullptr, child_menu, 0, nullptr};
    draw(&m, 0, 0);
    EXPECT_TRUE(hline_is(104, 256, 100 + th / 2 + 2, shadow));
    EXPECT_TRUE(hline_is(104, 256, 100 + th / 2 + 3, prelight));
    EXPECT_EQ(count_colour(100 + 160 - 12, 100, 100 + 160 - 5, 100 + th + 3, white), 0);
    EXPECT_EQ(count_colour(100, 100, 259, 100 + th + 3, black), 0);
}

TEST_F(GtkMenu, OverlongLabelIsCutNotOverflowed)
{
    std::string text(1000, 'M');
    text += "\tF1";
    MENU m = {const_cast<char *>(text.c_str()), do_nothing, nullptr, 0, nullptr};
    draw(&m, 0, 0);
    EXPECT_TRUE(text_drawn_at("MMMMMMMMMMMMMMM", 108, 101, black));
    EXPECT_TRUE(text_drawn_at("F1", 100 + 160 - text_length(font, "F1") - 10, 101, black));
}

}  // namespace
