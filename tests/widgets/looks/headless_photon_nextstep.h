// Helpers shared by the "Photon" and "NeXTStep" drawing tests.
#ifndef TESTS_WIDGETS_HEADLESS_PHOTON_NEXTSTEP_H
#define TESTS_WIDGETS_HEADLESS_PHOTON_NEXTSTEP_H

#include <algorithm>
#include <cstring>

#include "pixel_helpers.h"

namespace looks_test {

const Rgb MAGENTA = rgb16(255, 0, 255);  // the untouched test screen
const Rgb BLACK = rgb16(0, 0, 0);
const Rgb WHITE = rgb16(255, 255, 255);

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    bool empty() const { return x2 < 0; }
    bool moved_by_one(const Box &o) const
    {
        return x1 == o.x1 + 1 && y1 == o.y1 + 1 && x2 == o.x2 + 1 && y2 == o.y2 + 1;
    }
};

// Bounding box of the pixels of colour `c` in (x1, y1)-(x2, y2).
inline Box find_colour(int x1, int y1, int x2, int y2, Rgb c)
{
    Box b;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (screen_pixel(x, y) == c) {
                b.x1 = std::min(b.x1, x);
                b.y1 = std::min(b.y1, y);
                b.x2 = std::max(b.x2, x);
                b.y2 = std::max(b.y2, y);
            }
    return b;
}

inline DIALOG row(int x, int y, int w, int h, int flags = 0, void *dp = nullptr)
{
    DIALOG d;
    std::memset(&d, 0, sizeof d);
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.flags = flags;
    d.dp = dp;
    return d;
}

// A list getter with `list_items` entries, all the same short word.
inline int list_items = 5;
inline char *list_getter(int index, int *list_size)
{
    static char text[] = "rum";
    if (index < 0) {
        *list_size = list_items;
        return nullptr;
    }
    return text;
}

// A two-entry menu bar whose first entry opens a one-item menu.
struct MenuBar {
    char file[5] = "File", quit[12] = "Quit\tCtrl+Q";
    MENU items[2] = {{quit, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU bar[2] = {{file, nullptr, items, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
};

}  // namespace looks_test

#endif
