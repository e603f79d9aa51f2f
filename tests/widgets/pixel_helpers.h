// Helpers for reading back what a look drew on the test screen.
#ifndef TESTS_WIDGETS_PIXEL_HELPERS_H
#define TESTS_WIDGETS_PIXEL_HELPERS_H

#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

enum { TEST_SCREEN_W = 640, TEST_SCREEN_H = 480 };

// The memory bitmap that `screen` points at during the tests.
extern BITMAP *test_screen;
// True in widgets_dialog_tests when timer and keyboard are running.
extern bool dialog_system_ready;

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb &o) const { return !(*this == o); }
};

inline std::ostream &operator<<(std::ostream &os, const Rgb &c)
{
    return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

// A colour as it comes back from a 16-bit bitmap (5-6-5 bits, expanded the
// way Allegro's getr/getg/getb do), so expected values can be written as the
// looks' own r, g, b triples.
inline Rgb rgb16(int r, int g, int b)
{
    int c = makecol16(r, g, b);
    return Rgb{getr16(c), getg16(c), getb16(c)};
}

// First statement of a dialog test: skips when no display is available.
#define REQUIRE_DIALOG_SYSTEM()                                                                                        \
  do {                                                                                                                 \
    if (!dialog_system_ready) GTEST_SKIP() << "no X display";                                                          \
  } while (0)

inline Rgb pixel_at(BITMAP *bmp, int x, int y)
{
    int c = getpixel(bmp, x, y);
    int depth = bitmap_color_depth(bmp);
    return Rgb{getr_depth(depth, c), getg_depth(depth, c), getb_depth(depth, c)};
}

inline Rgb screen_pixel(int x, int y)
{
    return pixel_at(screen, x, y);
}

// Fills the whole test screen with one colour (a "background" that no look
// uses, so untouched pixels are easy to tell apart).
inline void clear_test_screen(int r = 255, int g = 0, int b = 255)
{
    clear_to_color(screen, makecol(r, g, b));
}

// Checks every pixel of the horizontal run x1..x2 at y (inclusive); reports
// the first one that differs.
inline testing::AssertionResult hline_is(int x1, int x2, int y, Rgb want)
{
    for (int x = x1; x <= x2; ++x) {
        Rgb got = screen_pixel(x, y);
        if (got != want)
            return testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << got << ", want " << want;
    }
    return testing::AssertionSuccess();
}

// Checks every pixel of the vertical run y1..y2 at x (inclusive).
inline testing::AssertionResult vline_is(int x, int y1, int y2, Rgb want)
{
    for (int y = y1; y <= y2; ++y) {
        Rgb got = screen_pixel(x, y);
        if (got != want)
            return testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << got << ", want " << want;
    }
    return testing::AssertionSuccess();
}

// Checks every pixel of the filled rectangle (x1, y1)-(x2, y2).
inline testing::AssertionResult rect_is(int x1, int y1, int x2, int y2, Rgb want)
{
    for (int y = y1; y <= y2; ++y) {
        testing::AssertionResult row = hline_is(x1, x2, y, want);
        if (!row) return row;
    }
    return testing::AssertionSuccess();
}

// Number of pixels in (x1, y1)-(x2, y2) that have colour `c`.
inline int count_colour(int x1, int y1, int x2, int y2, Rgb c)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (screen_pixel(x, y) == c) ++n;
    return n;
}

#endif
