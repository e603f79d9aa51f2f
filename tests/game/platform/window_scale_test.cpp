#include <gtest/gtest.h>

#include <allegro.h>

#include "platform/window_scale.h"
#include "shell_fixture.h"

TEST(WindowScale, LargestWindowThatFitsUnderTitleBarAndPanel)
{
    // clang-format off
    const struct { int width, height, scale; } desktops[] = {
        // width  height  scale
        {  1024,   768,   1 },
        {  1920,  1080,   1 },
        {  1920,  1200,   1 },  // 1200 rows leave no room for a title bar
        {  1600,  1248,   2 },  // exactly 1200 + the reserve
        {  1599,  1440,   1 },
        {  2560,  1440,   2 },
        {  3840,  2160,   3 },
        {  7680,  4320,   4 },  // never more than 4
        {   640,   480,   1 },  // never less than 1
    };
    // clang-format on
    for (const auto &d : desktops)
        EXPECT_EQ(largestFittingScale(d.width, d.height), d.scale) << d.width << "x" << d.height;
}

using Enlarging = ShellTest;

TEST_F(Enlarging, EveryPixelBecomesASquareAndOnlyTheAskedRowsChange)
{
    BITMAP *small = create_bitmap_ex(16, 800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) putpixel(small, x, y, (x * 7 + y * 13) & 0xffff);
    for (int scale = 2; scale <= MAX_WINDOW_SCALE; ++scale) {
        BITMAP *big = create_bitmap_ex(16, 800 * scale, 600 * scale);
        clear_to_color(big, 0x1234);
        enlargeRows(small, big, scale, 10, 20);
        int wrong = 0;
        for (int y = 0; y < 600 * scale; ++y) {
            const bool asked = y / scale >= 10 && y / scale <= 20;
            for (int x = 0; x < 800 * scale; ++x)
                wrong += getpixel(big, x, y) != (asked ? getpixel(small, x / scale, y / scale) : 0x1234);
        }
        EXPECT_EQ(wrong, 0) << "scale " << scale;
        destroy_bitmap(big);
    }
    destroy_bitmap(small);
}
