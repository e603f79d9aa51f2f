// The "BeOS" look's edit field, lists and text box: the layer's shared text
// layout inside this look's frames and colours.
#include <cstring>
#include <string>

#include "headless_beos_fixture.h"

namespace {

// --- Edit field -------------------------------------------------------------

struct BeosEdit : BeosTest {
    char text[64] = "abc";
    DIALOG d = row(beos_edit_proc, 10, 10, 125, 40, D_GOTFOCUS, 60, 3, text);
    int caret_column = 10 + 4 + 3 * 8;  // before the blank after "abc"

    void SetUp() override
    {
        BeosTest::SetUp();
        beos_blink = 1;
        caret_column = 10 + 4 + text_length(font, "abc") - 1;
    }
};

TEST_F(BeosEdit, FrameIsFontHighWhateverTheRowHeight)
{
    EXPECT_EQ(beos_edit_proc(MSG_DRAW, &d, 0), D_O_K);
    const int R = 134, B = 10 + th + 7;
    EXPECT_TRUE(hline_is(10, R, 10, grey(184)));
    EXPECT_TRUE(vline_is(10, 11, B, grey(184)));
    EXPECT_TRUE(hline_is(11, R, B, white()));
    EXPECT_TRUE(vline_is(R, 11, B - 1, white()));
    EXPECT_TRUE(hline_is(11, R - 1, 11, focus_blue()));
    EXPECT_TRUE(vline_is(11, 12, B - 1, focus_blue()));
    EXPECT_TRUE(hline_is(12, R - 1, B - 1, focus_blue()));
    EXPECT_TRUE(vline_is(R - 1, 12, B - 2, focus_blue()));
    // The rest of the 40-pixel row is not the field's.
    EXPECT_TRUE(rect_is(10, B + 1, R, 49, untouched()));

    clear_test_screen();
    d.flags = 0;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(11, R - 1, 11, grey(96)));
    EXPECT_TRUE(hline_is(12, R - 1, B - 1, grey(135)));
}

TEST_F(BeosEdit, CaretSitsBeforeTheBlankAfterTheText)
{
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(caret_column, 13, 13 + th, black()));
    EXPECT_FALSE(rect_is(12, 12, 132, 13 + th, white()));  // text and caret are there
    EXPECT_EQ(screen_pixel(12, 12), white());
    EXPECT_EQ(screen_pixel(132, 13 + th), white());
    // Nothing of the text or caret past the blank cell.
    EXPECT_TRUE(rect_is(caret_column + 1, 12, 132, 13 + th, white()));
}

TEST_F(BeosEdit, CaretFollowsBlinkAndFocus)
{
    auto caret_pixels = [&] { return count_colour(caret_column, 13, caret_column, 13 + th, black()); };
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(caret_pixels(), th + 1);

    beos_blink = 0;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_LT(caret_pixels(), th + 1);

    beos_blink = 1;
    d.flags = 0;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_LT(caret_pixels(), th + 1);
}

TEST_F(BeosEdit, CaretPastTheEndIsClampedAndStored)
{
    d.d2 = 50;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 3);
    EXPECT_TRUE(vline_is(caret_column, 13, 13 + th, black()));
}

TEST_F(BeosEdit, DisabledTextIsDim)
{
    d.flags = D_DISABLED;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_GT(count_colour(14, 14, 14 + text_length(font, text), 13 + th, grey(184)), 0);
    EXPECT_EQ(count_colour(14, 14, 14 + text_length(font, text), 13 + th, black()), 0);
}

TEST_F(BeosEdit, LongTextScrollsToKeepTheCaretInside)
{
    std::strcpy(text, "0123456789012345678901234567890123456789");
    d.d2 = 40;
    beos_edit_proc(MSG_DRAW, &d, 0);
    // The caret stays visible inside the field and nothing is drawn in
    // the last 4 pixels before its right edge.
    bool caret_seen = false;
    for (int c = 14; c < 131 && !caret_seen; ++c) caret_seen = vline_is(c, 13, 13 + th, black());
    EXPECT_TRUE(caret_seen);
    EXPECT_TRUE(rect_is(131, 12, 132, 13 + th, white()));
    EXPECT_EQ(std::string(text), "0123456789012345678901234567890123456789");
}

TEST_F(BeosEdit, DrawnAtItsTruePositionFromInsideTheEditor)
{
    // As when d_edit_proc redraws the field while the row is moved in.
    d.x += 3;
    d.y += 3;
    ++edit_shift_depth;
    beos_edit_proc(MSG_DRAW, &d, 0);
    --edit_shift_depth;
    EXPECT_EQ(d.x, 13);
    EXPECT_EQ(d.y, 13);
    EXPECT_TRUE(hline_is(10, 134, 10, grey(184)));
}

TEST_F(BeosEdit, KeepsTheFocusWhenLeft)
{
    EXPECT_EQ(beos_edit_proc(MSG_LOSTFOCUS, &d, 0), D_WANTFOCUS);
    EXPECT_EQ(beos_edit_proc(MSG_LOSTMOUSE, &d, 0), D_WANTFOCUS);
}

TEST_F(BeosEdit, FocusedFieldIsMarkedForRedrawAtEachBlink)
{
    beos_blink_seen = beos_blink;
    beos_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(d.flags & D_DIRTY);

    beos_blink_tick();
    beos_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_TRUE(d.flags & D_DIRTY);
    d.flags &= ~D_DIRTY;
    beos_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(d.flags & D_DIRTY);

    beos_blink_tick();
    beos_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_TRUE(d.flags & D_DIRTY);
}

TEST_F(BeosEdit, UnfocusedFieldDoesNotTakeTheBlinkFromTheFocusedOne)
{
    char other_text[8] = "x";
    DIALOG first = row(beos_edit_proc, 10, 60, 125, 20, 0, 8, 0, other_text);
    beos_blink_seen = beos_blink;
    beos_blink_tick();
    // The dialog engine idles the rows in order: the unfocused one first.
    beos_edit_proc(MSG_IDLE, &first, 0);
    beos_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(first.flags & D_DIRTY);
    EXPECT_TRUE(d.flags & D_DIRTY);
}

// --- Lists --------------------------------------------------------------------

const char *const ITEMS[] = {
    "Rum", "Grog", "WWWWWWWWWWWWWWWWWWWWWWWWWWWW", "Sloop", "Parrot", "Cutlass", "Map",
    "Doubloon", "Plank", "Anchor", "Compass", "Sextant", "Barrel", "Cannon", "Flag",
};
int list_size = 3;

char *list_getter(int index, int *size)
{
    if (index < 0) {
        *size = list_size;
        return nullptr;
    }
    return const_cast<char *>(ITEMS[index]);
}

struct BeosList : BeosTest {
    // 10 whole rows, 3 pixels spare below them.
    DIALOG d = row(beos_list_proc, 10, 10, 100, 4 + 10 * 8 + 3, 0, -1, 0,
                   reinterpret_cast<void *>(list_getter));
    int R = 0, B = 0;
    void SetUp() override
    {
        BeosTest::SetUp();
        list_size = 3;
        d.h = 4 + 10 * th + 3;
        R = d.x + d.w - 1;
        B = d.y + d.h - 1;
    }
    int row_top(int i) const { return d.y + 2 + i * th; }
};

TEST_F(BeosList, ItemsThatAllFitHaveNoBarAndRowsToRMinus3)
{
    EXPECT_EQ(beos_list_proc(MSG_DRAW, &d, 0), D_O_K);
    // Frame.
    EXPECT_TRUE(hline_is(d.x, R, d.y, grey(152)));
    EXPECT_TRUE(vline_is(d.x + 1, d.y + 1, B - 2, grey(144)));
    EXPECT_TRUE(vline_is(R - 1, d.y + 1, B - 2, grey(235)));
    // Rows run to R - 3; no bar, so column R - 12 is row background.
    EXPECT_TRUE(vline_is(R - 3, d.y + 2, B - 3, white()));
    EXPECT_TRUE(vline_is(R - 12, d.y + 2, row_top(2) - 1, white()));
    EXPECT_TRUE(vline_is(R - 2, d.y + 1, B - 2, grey(144)));
    // Rows past the last item and the space under the last row are white.
    EXPECT_TRUE(rect_is(d.x + 2, row_top(3), R - 3, B - 3, white()));
    // Item text at x + 10.
    EXPECT_GT(count_colour(d.x + 10, row_top(0), d.x + 10 + text_length(font, "Rum"), row_top(1) - 1, black()), 0);
}

TEST_F(BeosList, TextIsCutBelowWMinus12WithoutBar)
{
    d.d2 = 2;  // the long item first
    beos_list_proc(MSG_DRAW, &d, 0);
    std::string shown = ITEMS[2];
    while (text_length(font, shown.c_str()) >= d.w - 12) shown.pop_back();
    const int end = d.x + 10 + text_length(font, shown.c_str());
    EXPECT_GT(count_colour(end - 8, row_top(0), end - 1, row_top(1) - 1, black()), 0);
    EXPECT_TRUE(rect_is(end, row_top(0), R - 3, row_top(1) - 1, white()));
}

TEST_F(BeosList, SelectedAndMarkedItemsAreGrey)
{
    char marks[16] = {0};
    marks[2] = 1;
    d.d1 = 0;
    d.dp2 = marks;
    beos_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(rect_is(d.x + 2, row_top(0), d.x + 9, row_top(1) - 1, grey(216)));
    EXPECT_TRUE(rect_is(d.x + 2, row_top(1), d.x + 9, row_top(2) - 1, white()));
    EXPECT_TRUE(rect_is(d.x + 2, row_top(2), d.x + 9, row_top(3) - 1, grey(216)));
    EXPECT_EQ(screen_pixel(R - 3, row_top(0)), grey(216));
}

TEST_F(BeosList, FocusedFrameIsBlue)
{
    d.flags = D_GOTFOCUS;
    beos_text_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(d.x + 1, d.y + 1, B - 2, focus_blue()));
    EXPECT_TRUE(hline_is(d.x, R, d.y, grey(152)));
}

TEST_F(BeosList, ItemsThatDoNotFitGetABar)
{
    list_size = 15;
    d.d2 = 5;
    beos_list_proc(MSG_DRAW, &d, 0);
    // Rows end at R - 13, then the bar's dark edge at R - 12.
    EXPECT_TRUE(vline_is(R - 13, d.y + 2, d.y + 1 + 10 * th, white()));
    EXPECT_TRUE(vline_is(R - 12, d.y + 2, B - 3, grey(96)));
    // Thumb for rows 5..14 of 15 over L = h - 6.
    const int L = d.h - 6;
    const int top = L * 5 / 15;
    EXPECT_EQ(screen_pixel(R - 11, d.y + 2 + top), white());       // thumb light edge
    EXPECT_EQ(screen_pixel(R - 11, d.y + 2 + top - 1), grey(184)); // trough edge above it
}

TEST_F(BeosList, TextIsCutBelowWMinus23WithBar)
{
    list_size = 15;
    d.d2 = 2;
    beos_list_proc(MSG_DRAW, &d, 0);
    std::string shown = ITEMS[2];
    while (text_length(font, shown.c_str()) >= d.w - 23) shown.pop_back();
    const int end = d.x + 10 + text_length(font, shown.c_str());
    EXPECT_TRUE(rect_is(end, row_top(0), R - 13, row_top(1) - 1, white()));
    EXPECT_GT(count_colour(end - 8, row_top(0), end - 1, row_top(1) - 1, black()), 0);
}

TEST_F(BeosList, ScrollBarArithmetic)
{
    // 100 items, 10 shown from item 50, over L = 100: thumb rows 50..60.
    const ScrollInfo scroll = {100, 10, 50};
    const int x = 10, y = 10, w = 100, h = 106, R2 = x + w - 1;
    beos_draw_widget(screen, x, y, w, h, 0, BEOS_LIST, &scroll);
    const int tx = R2 - 11;
    EXPECT_TRUE(vline_is(R2 - 12, y + 2, y + h - 4, grey(96)));
    EXPECT_TRUE(hline_is(tx, tx + 6, y + 2 + 50, white()));    // thumb top
    EXPECT_TRUE(hline_is(tx, R2 - 3, y + 2 + 60, grey(184)));  // thumb bottom edge
    EXPECT_TRUE(hline_is(tx, R2 - 3, y + 3 + 60, grey(96)));   // line under the thumb
    EXPECT_EQ(screen_pixel(tx + 2, y + 20), grey(200));         // trough
    EXPECT_EQ(screen_pixel(R2 - 3, y + 20), grey(216));         // trough's right edge
    // One grip bump fits: centred on x + 4, rows 65..69.
    EXPECT_TRUE(hline_is(tx + 2, tx + 5, y + 2 + 53, white()));
    EXPECT_TRUE(hline_is(tx + 2, tx + 6, y + 2 + 57, grey(184)));

    // A negative offset counts as 0; the end is rounded up.
    clear_test_screen();
    const ScrollInfo odd = {3, 2, -4};
    beos_draw_widget(screen, x, y, w, h, D_GOTFOCUS, BEOS_LIST, &odd);
    const int bottom = (3 + 100 * 2 - 1) / 3;  // 67
    EXPECT_EQ(screen_pixel(tx, y + 2), yellow_light());
    EXPECT_TRUE(hline_is(tx, R2 - 3, y + 2 + bottom, yellow_shadow()));
    EXPECT_TRUE(hline_is(tx, R2 - 3, y + 3 + bottom, grey(96)));
}

TEST_F(BeosList, ThumbFillingTheBarHasNoLineBelow)
{
    const ScrollInfo all = {2, 1, 1};
    beos_draw_widget(screen, 10, 10, 100, 106, D_DISABLED, BEOS_LIST, &all);
    // Thumb from row 50 to the end of the travel.
    EXPECT_EQ(screen_pixel(10 + 99 - 11, 10 + 2 + 50), white());
    EXPECT_EQ(count_colour(10 + 99 - 11, 10 + 2, 10 + 99 - 3, 10 + 106 - 4, grey(96)), 0);
    EXPECT_EQ(screen_pixel(10 + 99 - 8, 10 + 30), grey(240));  // disabled trough
}

// --- Text box -------------------------------------------------------------------

TEST_F(BeosTest, TextBoxThatFitsStartsAtTheTopWithoutBar)
{
    char text[] = "Fifteen men on a dead man's chest";
    DIALOG d = row(beos_textbox_proc, 10, 10, 300, 8 + 5 * th, 0, 0, 3, text);
    EXPECT_EQ(beos_textbox_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(d.d2, 0);
    EXPECT_LE(d.d1, 5);
    EXPECT_EQ(count_colour(309 - 12, 12, 309 - 12, 10 + d.h - 4, grey(96)), 0);
    EXPECT_TRUE(hline_is(10, 309, 10, grey(152)));
    EXPECT_GT(count_colour(12, 12, 300, 10 + d.h - 4, black()), 0);
}

TEST_F(BeosTest, TextBoxThatScrollsHasABar)
{
    std::string lines;
    for (int i = 0; i < 20; ++i) lines += "Yo ho ho\n";
    std::string buffer = lines;
    DIALOG d = row(beos_textbox_proc, 10, 10, 200, 8 + 5 * th, D_GOTFOCUS, 0, 4, &buffer[0]);
    beos_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_GE(d.d1, 20);
    EXPECT_EQ(d.d2, 4);
    EXPECT_TRUE(vline_is(209 - 12, 12, 10 + d.h - 4, grey(96)));
    EXPECT_TRUE(vline_is(11, 11, 10 + d.h - 3, focus_blue()));
}

}  // namespace
