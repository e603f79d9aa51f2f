// The "BeOS" look's edit field and lists: the layer's shared text
// layout inside this look's frames and colours.
#include <string>

#include "headless_beos_fixture.h"

namespace {

// An edit row 125 x 40 at (10, 10), focused, caret at the end of "abc".
struct BeosEdit : BeosTest {
    char text[32] = "abc";
    DIALOG d = row(beos_edit_proc, 10, 10, 125, 40, D_GOTFOCUS, 30, 3, text);
    int caret = 0;  // column of the caret before the blank after "abc"
    void SetUp() override
    {
        BeosTest::SetUp();
        beos_blink = 1;
        caret = 14 + text_length(font, "abc") - 1;
    }
    int caret_pixels() const { return count_colour(caret, 13, caret, 13 + th, black()); }
};

TEST_F(BeosEdit, FrameIsFontHighWhateverTheRowHeight)
{
    EXPECT_EQ(beos_edit_proc(MSG_DRAW, &d, 0), D_O_K);
    const int R = 134, B = 10 + th + 7;
    EXPECT_TRUE(hline_is(10, R, 10, grey(184)));
    EXPECT_TRUE(vline_is(11, 12, B - 1, focus_blue()));
    EXPECT_TRUE(hline_is(12, R - 1, B - 1, focus_blue()));
    EXPECT_TRUE(rect_is(10, B + 1, R, 49, untouched()));

    d.flags = 0;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(11, 12, B - 1, grey(96)));
    EXPECT_TRUE(hline_is(12, R - 1, B - 1, grey(135)));
}

TEST_F(BeosEdit, CaretBeforeTheBlankOnlyWhileFocusedAndLit)
{
    d.d2 = 99;  // past the end: clamped and stored
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 3);
    EXPECT_EQ(caret_pixels(), th + 1);
    EXPECT_TRUE(rect_is(caret + 1, 12, 132, 13 + th, white()));  // blank cell and the rest

    beos_blink = 0;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_LT(caret_pixels(), th + 1);
    beos_blink = 1;
    d.flags = D_DISABLED;
    beos_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_LT(caret_pixels(), th + 1);
    EXPECT_GT(count_colour(14, 14, caret, 13 + th, grey(184)), 0);
}

TEST_F(BeosEdit, KeepsTheFocusAndRedrawsAtEachBlink)
{
    EXPECT_EQ(beos_edit_proc(MSG_LOSTFOCUS, &d, 0), D_WANTFOCUS);
    EXPECT_EQ(beos_edit_proc(MSG_LOSTMOUSE, &d, 0), D_WANTFOCUS);

    // An unfocused field idled first must not take the blink from it.
    DIALOG other = row(beos_edit_proc, 10, 60, 125, 20, 0, 8, 0, text);
    beos_blink_seen = beos_blink;
    for (int blink = 0; blink < 2; ++blink) {
        beos_blink_tick();
        beos_edit_proc(MSG_IDLE, &other, 0);
        beos_edit_proc(MSG_IDLE, &d, 0);
        EXPECT_FALSE(other.flags & D_DIRTY);
        EXPECT_TRUE(d.flags & D_DIRTY);
        d.flags &= ~D_DIRTY;
        beos_edit_proc(MSG_IDLE, &d, 0);
        EXPECT_FALSE(d.flags & D_DIRTY);
    }
}

// --- Lists --------------------------------------------------------------------

const char *const ITEMS[] = {"Rum",     "Grog",   "WWWWWWWWWWWWWWWWWWWW",
                             "Sloop",   "Parrot", "Map",
                             "Plank",   "Anchor", "Flag",
                             "Cannon",  "Barrel", "Compass",
                             "Sextant", "Mast",   "Keel"};
int list_size = 3;

char *list_getter(int index, int *size)
{
    if (index < 0) *size = list_size;
    return index < 0 ? nullptr : const_cast<char *>(ITEMS[index]);
}

// 100 wide, ten whole rows with 3 pixels to spare.
struct BeosList : BeosTest {
    DIALOG d = row(beos_list_proc, 10, 10, 100, 87, 0, -1, 0, reinterpret_cast<void *>(list_getter));
    int R = 109, B = 0;
    void SetUp() override
    {
        BeosTest::SetUp();
        list_size = 3;
        d.h = 4 + 10 * th + 3;
        B = d.y + d.h - 1;
    }
    int top(int i) const { return d.y + 2 + i * th; }
    // Right end of the long item's text once cut below `limit`.
    int long_text_end(int limit) const
    {
        std::string s = ITEMS[2];
        while (text_length(font, s.c_str()) >= limit) s.pop_back();
        return d.x + 10 + text_length(font, s.c_str());
    }
};

TEST_F(BeosList, ItemsThatAllFitHaveNoBar)
{
    d.d2 = 1;
    EXPECT_EQ(beos_list_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(d.x, R, d.y, grey(152)));
    EXPECT_TRUE(vline_is(d.x + 1, d.y + 1, B - 2, grey(144)));
    EXPECT_TRUE(vline_is(R - 1, d.y + 1, B - 2, grey(235)));
    // Rows run to R - 3; the long item is cut below w - 12.
    EXPECT_TRUE(vline_is(R - 3, d.y + 2, B - 3, white()));
    const int end = long_text_end(d.w - 12);
    EXPECT_GT(count_colour(end - 8, top(1), end - 1, top(2) - 1, black()), 0);
    EXPECT_TRUE(rect_is(end, top(1), R - 3, top(2) - 1, white()));
    // Rows past the last item and the space under the last row are white.
    EXPECT_TRUE(rect_is(d.x + 2, top(2), R - 3, B - 3, white()));
}

TEST_F(BeosList, SelectedAndMarkedItemsAreGrey)
{
    char marks[16] = {0, 0, 1};
    d.d1 = 0;
    d.dp2 = marks;
    beos_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(rect_is(d.x + 2, top(0), d.x + 9, top(1) - 1, grey(216)));
    EXPECT_TRUE(rect_is(d.x + 2, top(1), d.x + 9, top(2) - 1, white()));
    EXPECT_TRUE(rect_is(d.x + 2, top(2), d.x + 9, top(3) - 1, grey(216)));
}

// 100 items, 10 shown from item 50, over L = 100: thumb rows 50..60.
TEST_F(BeosTest, ScrollBarArithmetic)
{
    const ScrollInfo half = {100, 10, 50};
    beos_draw_widget(screen, 10, 10, 100, 106, 0, BEOS_LIST, &half);
    EXPECT_TRUE(hline_is(98, 104, 62, white()));    // thumb top
    EXPECT_TRUE(hline_is(98, 106, 72, grey(184)));  // thumb bottom
    EXPECT_TRUE(hline_is(98, 106, 73, grey(96)));   // line under it
    EXPECT_TRUE(hline_is(100, 103, 65, white()));   // the one grip bump that fits
    EXPECT_EQ(screen_pixel(100, 30), grey(200));    // trough

    // A negative offset counts as 0; the end is rounded up; a thumb that
    // reaches the end has no line under it.
    clear_test_screen();
    const ScrollInfo odd = {3, 2, -4}, tail = {2, 1, 1};
    beos_draw_widget(screen, 10, 10, 100, 106, 0, BEOS_LIST, &odd);
    EXPECT_EQ(screen_pixel(98, 12), white());
    EXPECT_TRUE(hline_is(98, 106, 12 + 67, grey(184)));
    beos_draw_widget(screen, 200, 10, 100, 106, 0, BEOS_LIST, &tail);
    EXPECT_EQ(count_colour(288, 12, 296, 112, grey(96)), 0);
}

}  // namespace
