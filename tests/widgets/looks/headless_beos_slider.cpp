// The "BeOS" look's slider: background, tick marks, groove, and a knob only
// when there is somewhere to slide.
#include "headless_beos_fixture.h"

namespace {

// Horizontal 100 x 20 at (10, 10): R = 109, B = 29, groove rows 17..22.
using BeosSlider = BeosTest;

TEST_F(BeosSlider, MaximumOfOneOrLessShowsNoKnob)
{
    for (int max : {1, 0, -3}) {
        clear_test_screen();
        DIALOG d = row(beos_slider_proc, 10, 10, 100, 20, 0, max, 1);
        EXPECT_EQ(beos_slider_proc(MSG_DRAW, &d, 0), D_O_K);
        EXPECT_EQ(screen_pixel(15, 12), grey(235)) << max;
        for (int tx = 11; tx < 110; tx += 20) {
            EXPECT_TRUE(vline_is(tx - 1, 10, 16, grey(144))) << tx;
            EXPECT_TRUE(vline_is(tx, 23, 29, white())) << tx;
        }
        EXPECT_TRUE(hline_is(10, 109, 17, grey(144)));
        EXPECT_TRUE(hline_is(11, 109, 22, white()));
        EXPECT_TRUE(rect_is(11, 18, 108, 21, untouched())) << max;  // no fill, no knob
    }
}

TEST_F(BeosSlider, KnobSplitsTheGrooveAndReachesTheEndAtTheMaximum)
{
    DIALOG d = row(beos_slider_proc, 10, 10, 100, 20, D_GOTFOCUS, 10, 5);
    beos_slider_proc(MSG_DRAW, &d, 0);
    const int l = 88 * 5 / 10;
    EXPECT_TRUE(rect_is(11, 18, 10 + l - 1, 21, yellow_face()));
    EXPECT_TRUE(rect_is(10 + l + 13, 18, 108, 21, rgb16(152, 152, 255)));
    EXPECT_TRUE(vline_is(10 + l, 14, 23, rgb16(250, 250, 80)));  // focus knob's '|'

    clear_test_screen();
    d.flags = D_DISABLED;
    d.d2 = 10;
    beos_slider_proc(MSG_DRAW, &d, 0);
    // The knob's 13 columns run from x + w - 12 to x + w, the last one blank.
    EXPECT_TRUE(vline_is(98, 14, 23, white()));
    EXPECT_EQ(screen_pixel(109, 14), black());
    EXPECT_EQ(screen_pixel(110, 14), untouched());
    EXPECT_TRUE(rect_is(11, 18, 97, 21, rgb16(255, 203, 100)));
}

// Vertical 20 x 100 at (10, 10): groove columns 17..22, value 0 at the bottom.
TEST_F(BeosSlider, VerticalWhenTallerThanWide)
{
    DIALOG d = row(beos_slider_proc, 10, 10, 20, 100, 0, 1, 0);
    beos_slider_proc(MSG_DRAW, &d, 0);
    for (int ty = 108; ty >= 10; ty -= 20) {
        EXPECT_TRUE(hline_is(10, 16, ty, grey(144))) << ty;
        EXPECT_TRUE(hline_is(23, 29, ty + 1, white())) << ty;
    }
    EXPECT_TRUE(vline_is(17, 11, 109, grey(144)));
    EXPECT_TRUE(vline_is(22, 11, 108, white()));

    d.d1 = 10;
    beos_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(rect_is(18, 11, 21, 96, rgb16(152, 152, 255)));
    EXPECT_TRUE(vline_is(13, 99, 108, white()));
    d.d2 = 10;
    beos_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(rect_is(18, 23, 21, 108, yellow_face()));
    EXPECT_TRUE(vline_is(13, 11, 20, white()));
}

}  // namespace
