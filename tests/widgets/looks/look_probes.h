// Probes for the "ASE" and "Win95" drawing tests: where ink starts, and
// whether a dotted focus rectangle is where it should be.
#ifndef TESTS_WIDGETS_LOOK_PROBES_H
#define TESTS_WIDGETS_LOOK_PROBES_H

#include <algorithm>

#include "pixel_helpers.h"

// A dialog row without a procedure (the tests call the forwarders on it):
// its rectangle, flags and dp text.
inline DIALOG probe_row(int x, int y, int w, int h, int flags = 0, const char *text = nullptr)
{
    DIALOG d = {};
    d.x = x, d.y = y, d.w = w, d.h = h, d.flags = flags;
    d.dp = const_cast<char *>(text);
    return d;
}

// Leftmost column and top row holding colour c in (x1, y1)-(x2, y2).
inline void ink_corner(int x1, int y1, int x2, int y2, Rgb c, int *left, int *top)
{
    *left = *top = 1 << 20;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (screen_pixel(x, y) == c) *left = std::min(*left, x), *top = std::min(*top, y);
}

// The outline of (x1, y1)-(x2, y2) alternates `first` (where x + y has the
// corner's parity) and `second`.
inline testing::AssertionResult dotted_at(int x1, int y1, int x2, int y2, Rgb first, Rgb second)
{
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; x += (y == y1 || y == y2) ? 1 : std::max(1, x2 - x1)) {
            const Rgb want = ((x + y) & 1) == ((x1 + y1) & 1) ? first : second;
            if (screen_pixel(x, y) != want)
                return testing::AssertionFailure() << "(" << x << "," << y << ") is " << screen_pixel(x, y);
        }
    return testing::AssertionSuccess();
}

#endif
