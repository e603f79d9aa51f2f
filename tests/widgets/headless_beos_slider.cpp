// The "BeOS" look's slider: background, tick marks, groove, and the knob
// only when there is somewhere to slide.
#include "headless_beos_fixture.h"

namespace {

// Horizontal: 100 x 20 at (10, 10); groove rows gy..gy+5 with gy = 17.
struct BeosSlider : BeosTest {
    DIALOG d = row(beos_slider_proc, 10, 10, 100, 20, 0, 10, 5);
    static constexpr int R = 109, B = 29, GY = 17;
};

TEST_F(BeosSlider, MaximumOfOneShowsNoKnob)
{
    for (int max : {1, 0, -3}) {
        clear_test_screen();
        d.d1 = max;
        d.d2 = 1;
        EXPECT_EQ(beos_slider_proc(MSG_DRAW, &d, 0), D_O_K);
        EXPECT_EQ(screen_pixel(15, 12), grey(235)) << max;  // background
        EXPECT_EQ(screen_pixel(30, 12), grey(144)) << max;  // tick at x + 20
        EXPECT_EQ(screen_pixel(31, 25), white()) << max;
        EXPECT_TRUE(hline_is(10, R, GY, grey(144))) << max;  // groove
        EXPECT_TRUE(hline_is(11, R, GY + 5, white())) << max;
        // The groove's inside stays as it was: no fill, no knob.
        EXPECT_TRUE(rect_is(11, GY + 1, R - 1, GY + 4, untouched())) << max;
        EXPECT_EQ(count_colour(10, 10, R + 3, B, grey(240)), 0) << max;
    }
}

TEST_F(BeosSlider, TickMarksEveryTwentyColumns)
{
    beos_slider_proc(MSG_DRAW, &d, 0);
    for (int tx = 11; tx < 110; tx += 20) {
        EXPECT_TRUE(vline_is(tx - 1, 10, GY - 1, grey(144))) << tx;
        EXPECT_TRUE(vline_is(tx, GY + 6, B, white())) << tx;
    }
    EXPECT_TRUE(vline_is(10, GY + 1, GY + 5, grey(144)));
    EXPECT_TRUE(vline_is(R, GY + 1, GY + 4, white()));
}

TEST_F(BeosSlider, HalfwayKnobSplitsTheGroove)
{
    beos_slider_proc(MSG_DRAW, &d, 0);
    const int l = (100 - 12) * 5 / 10;  // 44
    EXPECT_TRUE(rect_is(11, GY + 1, 10 + l - 1, GY + 4, yellow_face()));
    EXPECT_TRUE(rect_is(10 + l + 13, GY + 1, R - 1, GY + 4, rgb16(152, 152, 255)));
    // Knob at (x + l, y + 3): its left edge '|' and a face pixel 'X'.
    EXPECT_TRUE(vline_is(10 + l, 14, 23, white()));
    EXPECT_EQ(screen_pixel(10 + l + 5, 18), grey(240));
}

TEST_F(BeosSlider, KnobAtTheMaximumReachesTheEnd)
{
    d.d2 = 10;
    beos_slider_proc(MSG_DRAW, &d, 0);
    // The knob's 13 columns run from x + w - 12 to x + w; the last is blank.
    EXPECT_TRUE(vline_is(10 + 100 - 12, 14, 23, white()));
    EXPECT_EQ(screen_pixel(R, 14), black());   // its corner '`'
    EXPECT_EQ(screen_pixel(R, 24), black());
    EXPECT_EQ(screen_pixel(R + 1, 14), untouched());
    EXPECT_TRUE(rect_is(11, GY + 1, 10 + 100 - 12 - 1, GY + 4, yellow_face()));
}

TEST_F(BeosSlider, FocusedKnobAndDisabledColours)
{
    d.flags = D_GOTFOCUS;
    beos_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(10 + 44 + 5, 18), rgb16(250, 250, 80));

    clear_test_screen();
    d.flags = D_DISABLED;
    beos_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(20, GY + 2), rgb16(255, 203, 100));
    EXPECT_EQ(screen_pixel(100, GY + 2), rgb16(152, 152, 200));
}

TEST_F(BeosSlider, VerticalWhenTallerThanWide)
{
    // 20 x 100 at (10, 10): groove columns gx..gx+5 with gx = 17.
    DIALOG v = row(beos_slider_proc, 10, 10, 20, 100, 0, 1, 0);  // no knob yet
    const int GX = 17, VB = 109, VR = 29;
    beos_slider_proc(MSG_DRAW, &v, 0);
    // Ticks every 20 rows up from the bottom.
    for (int ty = VB - 1; ty >= 10; ty -= 20) {
        EXPECT_TRUE(hline_is(10, GX - 1, ty, grey(144))) << ty;
        EXPECT_TRUE(hline_is(GX + 6, VR, ty + 1, white())) << ty;
    }
    EXPECT_EQ(screen_pixel(12, 12), grey(235));
    EXPECT_TRUE(hline_is(GX, GX + 5, 10, grey(144)));
    EXPECT_TRUE(vline_is(GX, 11, VB, grey(144)));
    EXPECT_TRUE(vline_is(GX + 5, 11, VB - 1, white()));

    // Value 0 sits at the bottom: the groove above it is the empty colour.
    clear_test_screen();
    v.d1 = 10;
    beos_slider_proc(MSG_DRAW, &v, 0);
    EXPECT_TRUE(rect_is(GX + 1, 11, GX + 4, VB - 13, rgb16(152, 152, 255)));
    EXPECT_TRUE(vline_is(13, VB - 10, VB - 1, white()));  // knob's left edge

    clear_test_screen();
    v.d2 = 10;
    beos_slider_proc(MSG_DRAW, &v, 0);
    EXPECT_TRUE(rect_is(GX + 1, 10 + 13, GX + 4, VB - 1, yellow_face()));
    EXPECT_TRUE(vline_is(13, 11, 20, white()));
}

TEST_F(BeosSlider, SquareSliderIsHorizontal)
{
    DIALOG s = row(beos_slider_proc, 10, 10, 40, 40, 0, 1, 0);
    beos_slider_proc(MSG_DRAW, &s, 0);
    const int gy = 10 + (40 - 6) / 2;
    EXPECT_TRUE(hline_is(10, 49, gy, grey(144)));
}

// --- Other kinds, straight through beos_draw_widget ---------------------------

TEST_F(BeosTest, ScrollThumbAndTroughOnTheirOwn)
{
    beos_draw_widget(screen, 10, 10, 9, 30, 0, BEOS_SCROLL_THUMB, nullptr);
    EXPECT_TRUE(hline_is(10, 16, 10, white()));
    EXPECT_EQ(screen_pixel(17, 10), grey(216));
    EXPECT_EQ(screen_pixel(10, 38), grey(216));
    EXPECT_TRUE(hline_is(10, 18, 39, grey(184)));
    EXPECT_TRUE(vline_is(18, 10, 38, grey(184)));

    beos_draw_widget(screen, 40, 10, 9, 30, D_GOTFOCUS | D_DISABLED, BEOS_SCROLL_TROUGH, nullptr);
    EXPECT_TRUE(hline_is(40, 47, 10, grey(216)));
    EXPECT_TRUE(vline_is(41, 12, 39, grey(216)));
    EXPECT_TRUE(rect_is(42, 12, 47, 39, grey(240)));
    EXPECT_TRUE(vline_is(48, 10, 39, grey(240)));
}

TEST_F(BeosTest, MenuAndMenuBarFrames)
{
    beos_draw_widget(screen, 10, 10, 50, 40, 0, BEOS_MENU, nullptr);
    EXPECT_TRUE(hline_is(10, 59, 49, grey(100)));
    EXPECT_TRUE(hline_is(11, 57, 11, grey(239)));
    EXPECT_TRUE(vline_is(11, 12, 47, grey(239)));
    EXPECT_TRUE(hline_is(11, 58, 48, grey(152)));
    EXPECT_TRUE(vline_is(58, 10, 47, grey(152)));
    EXPECT_EQ(screen_pixel(30, 30), untouched());  // a menu's items fill it

    beos_draw_widget(screen, 100, 10, 50, 20, 0, BEOS_MENU_BAR, nullptr);
    EXPECT_TRUE(hline_is(100, 149, 29, grey(152)));
    EXPECT_TRUE(rect_is(102, 12, 147, 27, grey(216)));
    EXPECT_TRUE(hline_is(101, 148, 28, grey(152)));
    EXPECT_TRUE(vline_is(148, 10, 27, grey(152)));
}

TEST_F(BeosTest, MissingScrollInfoDrawsNoBarOrKnob)
{
    beos_draw_widget(screen, 10, 10, 100, 60, 0, BEOS_LIST, nullptr);
    EXPECT_EQ(count_colour(10, 10, 109, 69, grey(96)), 0);
    beos_draw_widget(screen, 10, 100, 100, 20, 0, BEOS_SLIDER, nullptr);
    EXPECT_TRUE(rect_is(11, 108, 108, 111, untouched()));
}

}  // namespace
