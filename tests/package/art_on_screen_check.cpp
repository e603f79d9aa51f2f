// Checks a screenshot of play for the game's real art, not the plain
// fallback drawn when the data files are missing:
//   - the top rows of the status bar equal those of Gfx/Status.bmp;
//   - at least one cell of the view equals a cell of Gfx/Tile.bmp that has
//     some detail (three colours or more), pixel for pixel where the sheet
//     cell is not transparent.
// Colours are compared at the game's 16-bit depth.
//
//   art_on_screen_check SHOT.bmp DATA_DIR
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace {

constexpr int CELL = 32;
constexpr int VIEW_COLUMNS = 25, VIEW_ROWS = 15;  // whole cells of the 800x500 view
constexpr int STATUS_TOP = 500, STATUS_WIDTH = 800, STATUS_ROWS_CHECKED = 10;

int as16(BITMAP *bmp, int x, int y)
{
    const int c = getpixel(bmp, x, y), depth = bitmap_color_depth(bmp);
    return ((getr_depth(depth, c) >> 3) << 11) | ((getg_depth(depth, c) >> 2) << 5) | (getb_depth(depth, c) >> 3);
}

bool isMask(BITMAP *bmp, int x, int y)
{
    return getpixel(bmp, x, y) == bitmap_mask_color(bmp);
}

int distinctColours(BITMAP *sheet, int x0, int y0)
{
    std::set<int> colours;
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            if (!isMask(sheet, x0 + x, y0 + y)) colours.insert(as16(sheet, x0 + x, y0 + y));
    return static_cast<int>(colours.size());
}

bool cellMatches(BITMAP *shot, int sx, int sy, BITMAP *sheet, int tx, int ty)
{
    for (int y = 0; y < CELL; ++y)
        for (int x = 0; x < CELL; ++x)
            if (!isMask(sheet, tx + x, ty + y) && as16(shot, sx + x, sy + y) != as16(sheet, tx + x, ty + y))
                return false;
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: art_on_screen_check SHOT.bmp DATA_DIR\n");
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_conversion(COLORCONV_NONE);
    const std::string data = argv[2];
    BITMAP *shot = load_bitmap(argv[1], nullptr);
    BITMAP *status = load_bitmap((data + "/Gfx/Status.bmp").c_str(), nullptr);
    BITMAP *sheet = load_bitmap((data + "/Gfx/Tile.bmp").c_str(), nullptr);
    if (!shot || !status || !sheet || shot->w < 800 || shot->h < 600) {
        std::printf("cannot read the screenshot or the art\n");
        return 1;
    }
    int failures = 0;

    int differing = 0;
    for (int y = 0; y < STATUS_ROWS_CHECKED; ++y)
        for (int x = 0; x < STATUS_WIDTH; ++x)
            if (as16(shot, x, STATUS_TOP + y) != as16(status, x, y)) ++differing;
    if (differing > 0) {
        std::printf("status bar: %d of %d pixels differ from Gfx/Status.bmp\n", differing,
                    STATUS_ROWS_CHECKED * STATUS_WIDTH);
        ++failures;
    } else {
        std::printf("status bar: its top %d rows are Gfx/Status.bmp's\n", STATUS_ROWS_CHECKED);
    }

    int matched = 0;
    for (int ty = 0; ty + CELL <= sheet->h; ty += CELL)
        for (int tx = 0; tx + CELL <= sheet->w; tx += CELL) {
            if (distinctColours(sheet, tx, ty) < 3) continue;
            for (int row = 0; row < VIEW_ROWS; ++row)
                for (int column = 0; column < VIEW_COLUMNS; ++column)
                    if (cellMatches(shot, column * CELL, row * CELL, sheet, tx, ty)) ++matched;
        }
    if (matched == 0) {
        std::printf("view: no cell shows a cell of Gfx/Tile.bmp\n");
        ++failures;
    } else {
        std::printf("view: %d cells show cells of Gfx/Tile.bmp\n", matched);
    }
    return failures == 0 ? 0 : 1;
}
END_OF_MAIN()
