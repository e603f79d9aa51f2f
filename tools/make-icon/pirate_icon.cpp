#include "pirate_icon.h"

#include <allegro.h>

#include <algorithm>

#include "sprite_sheet.h"

namespace {

// Sheet cell of the pirate facing down (row 2), standing (column 1).
constexpr int PIRATE_COLUMN = 1;
constexpr int PIRATE_ROW = 2;
constexpr int CELL = 32;

}  // namespace

std::vector<std::uint8_t> pirateIcon(int size)
{
    BITMAP *sheet = buildSpriteSheet();
    if (sheet == nullptr) return {};
    const int x0 = PIRATE_COLUMN * CELL, y0 = PIRATE_ROW * CELL;
    const int mask = bitmap_mask_color(sheet);

    // The figure's bounding box inside its cell.
    int left = CELL, top = CELL, right = -1, bottom = -1;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            if (getpixel(sheet, x0 + x, y0 + y) != mask) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(size) * size * 4, 0);
    if (right < 0) {
        destroy_bitmap(sheet);
        return rgba;
    }
    const int width = right - left + 1, height = bottom - top + 1;
    const int factor = std::max(1, size / std::max(width, height));
    const int offsetX = (size - width * factor) / 2, offsetY = (size - height * factor) / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int artX = (x - offsetX) / factor, artY = (y - offsetY) / factor;
            if (x < offsetX || y < offsetY || artX >= width || artY >= height) continue;
            const int c = getpixel(sheet, x0 + left + artX, y0 + top + artY);
            if (c == mask) continue;
            std::uint8_t *p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            p[0] = static_cast<std::uint8_t>(getr_depth(bitmap_color_depth(sheet), c));
            p[1] = static_cast<std::uint8_t>(getg_depth(bitmap_color_depth(sheet), c));
            p[2] = static_cast<std::uint8_t>(getb_depth(bitmap_color_depth(sheet), c));
            p[3] = 255;
        }
    destroy_bitmap(sheet);
    return rgba;
}
