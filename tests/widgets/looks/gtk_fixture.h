// Shared set-up of the "GTK" drawing tests: the look current on a cleared
// test screen, and the look's colours as they read back from 16 bits.
#ifndef TESTS_WIDGETS_GTK_FIXTURE_H
#define TESTS_WIDGETS_GTK_FIXTURE_H

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

struct GtkTest : testing::Test {
    const Rgb white = rgb16(255, 255, 255);
    const Rgb prelight = rgb16(238, 234, 238);
    const Rgb face = rgb16(214, 214, 214);
    const Rgb pressed = rgb16(197, 194, 197);
    const Rgb shadow_light = rgb16(165, 165, 165);
    const Rgb shadow = rgb16(149, 149, 149);
    const Rgb black = rgb16(0, 0, 0);
    const Rgb select = rgb16(0, 0, 156);
    const Rgb background = rgb16(255, 0, 255);  // what the screen is cleared to

    void SetUp() override
    {
        init_theme(theme_gtk);
        clear_test_screen();
    }
    void TearDown() override { shutdown_theme(); }
};

// Draws `text` with textout_ex on a cleared copy of the screen's area and
// checks that the screen shows the same glyph pixels (colour `ink`) at
// (x, y): the text was drawn there and nowhere else in the strip.
inline testing::AssertionResult text_drawn_at(const char *text, int x, int y, Rgb ink)
{
    BITMAP *ref = create_bitmap_ex(16, TEST_SCREEN_W, text_height(font));
    clear_to_color(ref, makecol16(1, 2, 3));
    textout_ex(ref, font, text, x, 0, makecol16(255, 255, 255), -1);
    const Rgb marked = rgb16(255, 255, 255);
    for (int yy = 0; yy < text_height(font); ++yy) {
        for (int xx = 0; xx < TEST_SCREEN_W; ++xx) {
            const bool want = pixel_at(ref, xx, yy) == marked;
            const bool got = screen_pixel(xx, y + yy) == ink;
            if (want && !got) {
                destroy_bitmap(ref);
                return testing::AssertionFailure() << "glyph pixel missing at (" << xx << "," << y + yy << ")";
            }
        }
    }
    destroy_bitmap(ref);
    return testing::AssertionSuccess();
}

#endif
