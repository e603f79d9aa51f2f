#include <gtest/gtest.h>

#include <allegro.h>

#include "display/enlarge_rows.h"
#include "display/picture_layout.h"
#include "display/window_scale.h"
#include "shell_fixture.h"

#include <vector>

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

TEST(FullscreenLayout, LargestWholeFactorElseFillOnTallScreensCentred)
{
    // clang-format off
    const struct { int width, height; PictureLayout expected; } screens[] = {
        // width  height    left top  width height factor
        {  1920,  1080,  {  240,   0, 1440, 1080, 0 } },  // filled, 4:3 kept
        {  2560,  1440,  {  480, 120, 1600, 1200, 2 } },
        {  3840,  2160,  {  720, 180, 2400, 1800, 3 } },
        {  1024,   768,  {  112,  84,  800,  600, 1 } },
        {  1600,   900,  {  400, 150,  800,  600, 1 } },  // exactly one and a half pictures: not filled
        {  1600,   901,  {  200,   0, 1200,  900, 0 } },
        {  1280,  1024,  {    0,  32, 1280,  960, 0 } },  // the width is what limits
        {  1000,  1200,  {    0, 225, 1000,  750, 0 } },  // a portrait screen
        {   800,  1000,  {    0, 200,  800,  600, 1 } },  // no larger 4:3 fits
        {   800,   600,  {    0,   0,  800,  600, 1 } },
    };
    // clang-format on
    for (const auto &s : screens) {
        const PictureLayout got = fullscreenLayout(s.width, s.height);
        EXPECT_TRUE(got == s.expected) << s.width << "x" << s.height << ": " << got.width << "x" << got.height << "+"
                                       << got.left << "+" << got.top << " factor " << got.factor;
    }
}

using Filling = ShellTest;

// Every window pixel of a filled or enlarged picture shows the picture
// pixel that a click on it lands on; every picture row and column is shown,
// none more than twice over when filled; only the asked rows are written.
TEST_F(Filling, ClicksLandOnThePixelShownAndNoRowOrColumnIsLost)
{
    BITMAP *columns = create_bitmap_ex(16, 800, 600);
    BITMAP *rows = create_bitmap_ex(16, 800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            putpixel(columns, x, y, x);
            putpixel(rows, x, y, y);
        }
    const int screens[][2] = {{1920, 1080}, {1280, 1024}, {1600, 901}, {2560, 1440}};
    for (const auto &size : screens) {
        const PictureLayout layout = fullscreenLayout(size[0], size[1]);
        BITMAP *columnsShown = create_bitmap_ex(16, layout.width, layout.height);
        BITMAP *rowsShown = create_bitmap_ex(16, layout.width, layout.height);
        clear_to_color(rowsShown, 0xffff);
        int first = 0, last = 0;
        if (layout.factor == 0) {
            fillRows(columns, columnsShown, 0, 599, first, last);
            EXPECT_EQ(first, 0);
            EXPECT_EQ(last, layout.height - 1);
            fillRows(rows, rowsShown, 100, 199, first, last);
        } else {
            enlargeRows(columns, columnsShown, layout.factor, 0, 599);
            enlargeRows(rows, rowsShown, layout.factor, 100, 199);
            first = 100 * layout.factor;
            last = 200 * layout.factor - 1;
        }
        std::vector<int> timesShown(800, 0), rowTimes(600, 0);
        int wrong = 0, wronglyWritten = 0;
        for (int x = 0; x < layout.width; ++x) ++timesShown[getpixel(columnsShown, x, 0)];
        for (int y = 0; y < layout.height; ++y) {
            const bool written = y >= first && y <= last;
            if (written) ++rowTimes[getpixel(rowsShown, 0, y)];
            for (int x = 0; x < layout.width; ++x) {
                wrong += getpixel(columnsShown, x, y) != pictureColumnAt(layout, layout.left + x);
                if (written)
                    wrong += getpixel(rowsShown, x, y) != pictureRowAt(layout, layout.top + y);
                else
                    wronglyWritten += getpixel(rowsShown, x, y) != 0xffff;
            }
        }
        const int most = layout.factor == 0 ? 2 : layout.factor;
        const int least = layout.factor == 0 ? 1 : layout.factor;
        EXPECT_EQ(wrong, 0) << size[0] << "x" << size[1];
        EXPECT_EQ(wronglyWritten, 0) << size[0] << "x" << size[1];
        for (int x = 0; x < 800; ++x)
            EXPECT_TRUE(timesShown[x] >= least && timesShown[x] <= most) << "column " << x << " of " << size[0];
        for (int y = 100; y < 200; ++y)
            EXPECT_TRUE(rowTimes[y] >= least && rowTimes[y] <= most) << "row " << y << " of " << size[0];
        EXPECT_EQ(rowTimes[99] + rowTimes[200], 0);
        destroy_bitmap(columnsShown);
        destroy_bitmap(rowsShown);
    }
    destroy_bitmap(columns);
    destroy_bitmap(rows);
}
