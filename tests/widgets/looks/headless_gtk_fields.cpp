// The "GTK" look's edit field, lists, text box and slider, pixel by pixel.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gtk_fixture.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

struct GtkEdit : GtkTest {
    char text[128] = "Bob";
    // The name-entry dialog's field: 125 wide at (15, 75), created 8 high.
    DIALOG d = {theme_edit_proc, 15, 75, 125, 8, 0, 0, 0, 0, 100, 3, text, nullptr, nullptr};
    int th = 0;
    void SetUp() override
    {
        GtkTest::SetUp();
        th = text_height(font);
    }
};

TEST_F(GtkEdit, CaretBeforeTheBlankAfterTheLastCharacterOnlyWhileFocused)
{
    d.flags = D_GOTFOCUS;
    EXPECT_EQ(theme_edit_proc(MSG_DRAW, &d, 0), D_O_K);
    // "Bob" at x + 4, + 12, + 20; the blank at x + 28; caret at x + 27.
    EXPECT_TRUE(vline_is(15 + 27, 75 + 3, 75 + th + 3, black));
    EXPECT_TRUE(text_drawn_at("Bob", 19, 79, black));
    EXPECT_TRUE(rect_is(15 + 28, 79, 15 + 35, 79 + th - 1, white));  // the blank cell

    d.flags = 0;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(15 + 27, 75 + 3, 75 + th + 3, white));
}

TEST_F(GtkEdit, FocusedFieldHasBlackOutlineUnfocusedIsSunken)
{
    d.flags = D_GOTFOCUS;
    theme_edit_proc(MSG_DRAW, &d, 0);
    // Field is th + 6 high whatever h is: outline (15, 75)-(139, 75 + th + 5).
    EXPECT_TRUE(hline_is(15, 139, 75, black));
    EXPECT_TRUE(hline_is(15, 139, 75 + th + 5, black));
    EXPECT_TRUE(vline_is(139, 75, 75 + th + 5, black));
    EXPECT_TRUE(hline_is(16, 138, 76, shadow));
    EXPECT_TRUE(rect_is(17, 77, 18, 75 + th + 3, white));
    EXPECT_TRUE(hline_is(15, 139, 75 + th + 6, background));

    clear_test_screen();
    d.flags = 0;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(15, 139, 75, shadow));
    EXPECT_TRUE(hline_is(16, 138, 76, black));
    EXPECT_TRUE(hline_is(16, 139, 75 + th + 5, white));
}

TEST_F(GtkEdit, DisabledTextIsLightGrey)
{
    d.flags = D_DISABLED;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(text_drawn_at("Bob", 19, 79, shadow_light));
}

TEST_F(GtkEdit, EmptyTextDrawsOneBlankAndCaretAtThree)
{
    text[0] = 0;
    d.d2 = 0;
    d.flags = D_GOTFOCUS;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(15 + 3, 75 + 3, 75 + th + 3, black));
    EXPECT_TRUE(rect_is(19, 79, 138 - 1, 75 + th + 3, white));
}

TEST_F(GtkEdit, LongTextScrollsWithTheCaret)
{
    std::strcpy(text, "abcdefghijklmnopqrstuvwxyz0123456789");
    d.d2 = 36;
    d.flags = D_GOTFOCUS;
    theme_edit_proc(MSG_DRAW, &d, 0);
    // The last characters show, ending with "9" and the caret's blank; the
    // caret stays inside the field.
    const int first = 36 - 15 + 2;
    EXPECT_TRUE(text_drawn_at(text + first, 19, 79, black));
    const int caret_x = 15 + 4 + (36 - first) * 8 - 1;
    EXPECT_LT(caret_x, 15 + 125 - 2);
    EXPECT_TRUE(vline_is(caret_x, 78, 75 + th + 3, black));

    clear_test_screen();
    d.d2 = 0;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(18, 78, 75 + th + 3, black));
    EXPECT_TRUE(text_drawn_at("abcdefghijklm", 19, 79, black));
    // Characters stop before the field's right edge; the text is untouched.
    EXPECT_EQ(count_colour(137, 77, 138, 75 + th + 3, black), 0);
    EXPECT_EQ(std::strlen(text), 36u);
}

TEST_F(GtkEdit, DrawFromInsideShiftedEditIsAtTheTruePosition)
{
    // A typed character makes d_edit_proc redraw the row through its own
    // procedure while the row is moved by (3, 3).
    d.flags = D_GOTFOCUS;
    d.proc = theme_edit_proc;
    theme_edit_proc(MSG_UCHAR, &d, 'x');
    EXPECT_STREQ(text, "Bobx");
    EXPECT_EQ(d.d2, 4);
    EXPECT_EQ(d.x, 15);
    EXPECT_EQ(d.y, 75);
    EXPECT_TRUE(hline_is(15, 139, 75, black));  // outline at the true corner
    EXPECT_TRUE(text_drawn_at("Bobx", 19, 79, black));
    EXPECT_TRUE(vline_is(15 + 35, 78, 75 + th + 3, black));
    EXPECT_EQ(edit_shift_depth, 0);
}

// A getter over a vector of item texts, as d_list_proc expects.
std::vector<std::string> items;
char *list_getter(int index, int *size)
{
    if (index < 0) {
        *size = static_cast<int>(items.size());
        return nullptr;
    }
    return const_cast<char *>(items[index].c_str());
}

struct GtkList : GtkTest {
    // Tall enough for 10 rows of 8 pixels.
    DIALOG d = {theme_list_proc, 50,     40, 120, 84, 0, 0, 0, 0, 0, 0, reinterpret_cast<void *>(list_getter),
                nullptr,         nullptr};
    void fill(int n)
    {
        items.clear();
        for (int i = 0; i < n; ++i) items.push_back("Item " + std::to_string(i));
    }
};

TEST_F(GtkList, ThreeItemsNoScrollBarRowsToWidthLessThree)
{
    fill(3);
    EXPECT_EQ(theme_list_proc(MSG_DRAW, &d, 0), D_O_K);
    const int right = 50 + 120 - 3;
    EXPECT_TRUE(text_drawn_at("Item 0", 60, 42, white));  // d1 = 0 selects row 0
    EXPECT_TRUE(text_drawn_at("Item 1", 60, 50, black));
    EXPECT_TRUE(rect_is(52, 42, 59, 49, select));  // row 0's margin
    EXPECT_TRUE(vline_is(right, 42, 49, select));
    EXPECT_TRUE(vline_is(right, 50, 57, white));
    EXPECT_TRUE(rect_is(52, 42 + 3 * 8, right, 40 + 84 - 3, white));  // rows 4 to 10 and below
    // Frame: no scroll-bar trough anywhere.
    EXPECT_EQ(count_colour(50, 40, 169, 123, pressed), 0);
    EXPECT_TRUE(hline_is(50, 169, 40, shadow));
    EXPECT_TRUE(hline_is(51, 168, 41, black));
    EXPECT_TRUE(vline_is(168, 42, 121, face));
}

TEST_F(GtkList, SelectionFromDp2AndDisabledKeepsTheLook)
{
    fill(3);
    char marks[3] = {0, 0, 1};
    d.dp2 = marks;
    d.d1 = 1;
    d.flags = D_DISABLED;
    theme_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(rect_is(52, 42, 59, 49, white));
    EXPECT_TRUE(rect_is(52, 50, 59, 57, select));
    EXPECT_TRUE(rect_is(52, 58, 59, 65, select));
    EXPECT_TRUE(text_drawn_at("Item 2", 60, 58, white));
}

TEST_F(GtkList, LongItemIsCutToTheRowOnScreenOnly)
{
    items = {std::string(40, 'W')};
    theme_text_list_proc(MSG_DRAW, &d, 0);
    // Limit w - 11 = 109: 13 characters (104 px) remain.
    EXPECT_TRUE(text_drawn_at(std::string(13, 'W').c_str(), 60, 42, white));
    EXPECT_TRUE(rect_is(60 + 104, 42, 167, 49, select));
    EXPECT_EQ(items[0].size(), 40u);
}

TEST_F(GtkList, HundredItemsThumbLengthAndPosition)
{
    fill(100);
    d.h = 105;  // (105 - 4) / 8 = 12 rows
    d.d1 = -1;
    theme_list_proc(MSG_DRAW, &d, 0);
    const int x = 50, y = 40, w = 120;
    // Rows end before the bar.
    EXPECT_TRUE(vline_is(x + w - 14, 42, 49, white));
    // Thumb: length (50 + 12 * 100) / 100 = 12, top at y + 2.
    EXPECT_TRUE(hline_is(x + w - 11, x + w - 5, y + 2, white));
    EXPECT_TRUE(hline_is(x + w - 11, x + w - 4, y + 2 + 11, black));
    EXPECT_TRUE(vline_is(x + w - 4, y + 2, y + 13, black));
    EXPECT_EQ(screen_pixel(x + w - 8, y + 14), pressed);  // the trough below

    clear_test_screen();
    d.d2 = 50;
    theme_list_proc(MSG_DRAW, &d, 0);
    // Top at y + 2 + (50 + 100 * 50) / 100 = y + 52, trough filled above it.
    EXPECT_TRUE(hline_is(x + w - 11, x + w - 5, y + 52, white));
    EXPECT_TRUE(hline_is(x + w - 11, x + w - 4, y + 63, black));
    EXPECT_TRUE(rect_is(x + w - 11, y + 2, x + w - 3, y + 51, pressed));
    EXPECT_TRUE(text_drawn_at("Item 50", 60, 42, black));
}

TEST_F(GtkList, ThumbNeverRunsPastTheTrough)
{
    fill(100);
    d.h = 105;
    d.d2 = 99;  // past the last full page
    theme_list_proc(MSG_DRAW, &d, 0);
    // Top at y + 2 + 99 = y + 101, its length cut to y + h - 3 - top = 1:
    // one black row, and no thumb outline below it.
    EXPECT_TRUE(hline_is(50 + 120 - 11, 50 + 120 - 5, 40 + 101, black));
    EXPECT_EQ(count_colour(50 + 120 - 11, 40 + 102, 50 + 120 - 4, 40 + 104, black), 0);
}

TEST_F(GtkTest, TextBoxThatFitsResetsFirstLine)
{
    char text[] = "Fifteen men on a dead man's chest";
    DIALOG d = {theme_textbox_proc, 30, 30, 200, 60, 0, 0, 0, 0, 0, 3, text, nullptr, nullptr};
    theme_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(d.d1, 2);                                    // wrapped once in 200 pixels
    EXPECT_EQ(count_colour(30, 30, 229, 89, pressed), 0);  // no scroll bar
    EXPECT_GT(count_colour(32, 32, 227, 87, black), 0);
    d.d2 = 5;
    theme_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
}

struct GtkSlider : GtkTest {
    DIALOG d = {theme_slider_proc, 20, 200, 100, 20, 0, 0, 0, 0, 10, 5, nullptr, nullptr, nullptr};
};

TEST_F(GtkSlider, HorizontalThumbAtThirtySix)
{
    theme_slider_proc(MSG_DRAW, &d, 0);
    // Thumb gtk_box(x + 36, y + 2, 28, h - 4): white top and left, black
    // right edge at x + 63.
    EXPECT_TRUE(hline_is(20 + 36, 20 + 62, 202, white));
    EXPECT_TRUE(vline_is(20 + 36, 202, 216, white));
    EXPECT_TRUE(vline_is(20 + 63, 202, 217, black));
    EXPECT_EQ(screen_pixel(20 + 35, 205), pressed);  // trough left of it
    EXPECT_EQ(screen_pixel(20 + 64, 205), pressed);
    EXPECT_TRUE(hline_is(20, 119, 200, shadow));  // trough's sunken bevel
}

TEST_F(GtkSlider, ZeroMaximumDrawsThumbAtTheStart)
{
    d.d1 = 0;
    EXPECT_EQ(theme_slider_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(vline_is(22, 202, 216, white));
    EXPECT_TRUE(vline_is(22 + 27, 202, 217, black));
}

TEST_F(GtkSlider, SquareIsVerticalWithZeroAtTheBottom)
{
    d.w = d.h = 60;
    d.d2 = 0;
    d.flags = D_GOTFOCUS;
    theme_slider_proc(MSG_DRAW, &d, 0);
    // pos 0: thumb gtk_box(x + 2, y + h - 30, w - 4, 28), lit.
    EXPECT_TRUE(hline_is(22, 22 + 54, 200 + 30, white));
    EXPECT_TRUE(hline_is(22, 22 + 55, 200 + 57, black));
    EXPECT_EQ(screen_pixel(40, 240), prelight);
    d.d2 = 10;
    theme_slider_proc(MSG_DRAW, &d, 0);
    // pos = 28: thumb top at y + 2.
    EXPECT_TRUE(hline_is(22, 22 + 54, 202, white));
}

}  // namespace
