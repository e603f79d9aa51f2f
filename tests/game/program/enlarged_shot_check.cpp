// Screenshots of the enlarged window against those of the plain one.
//
//   enlarged_shot_check same SMALL.bmp BIG.bmp N   BIG is SMALL enlarged N times, pixel for pixel
//   enlarged_shot_check shrink BIG.bmp N OUT.bmp   OUT is BIG with every N x N square taken as one pixel
//   enlarged_shot_check placed SMALL.bmp SCREEN.bmp LEFT TOP WIDTH HEIGHT [LATER.bmp]
//       SCREEN is black but for SMALL at (LEFT, TOP) made WIDTH x HEIGHT by
//       repeating whole rows and columns: pixel (x, y) of that area is
//       SMALL's (x * w / WIDTH, y * h / HEIGHT). With LATER, a second
//       screenshot taken after SMALL was, only the pixels that stood still
//       from SCREEN to LATER count (the game's figures step in place even
//       while it is paused), and no more than 1% of them may have moved.
//
// "same" and "placed" print how many pixels differ and fail unless none does.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

BITMAP *loadOrExit(const char *path)
{
    BITMAP *bitmap = load_bitmap(path, nullptr);
    if (bitmap == nullptr) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(2);
    }
    return bitmap;
}

int placedCheck(BITMAP *small, BITMAP *shot, BITMAP *later, int left, int top, int width, int height)
{
    if (later != nullptr && (later->w != shot->w || later->h != shot->h)) {
        std::printf("the two screenshots differ in size\n");
        return 1;
    }
    long differing = 0, moved = 0;
    int firstX = -1, firstY = -1;
    const int black = makecol(0, 0, 0);
    for (int y = 0; y < shot->h; ++y)
        for (int x = 0; x < shot->w; ++x) {
            if (later != nullptr && getpixel(later, x, y) != getpixel(shot, x, y)) {
                ++moved;
                continue;
            }
            const bool inside = x >= left && x < left + width && y >= top && y < top + height;
            const int expected =
                inside ? getpixel(small, (x - left) * small->w / width, (y - top) * small->h / height) : black;
            if (getpixel(shot, x, y) != expected && differing++ == 0) firstX = x, firstY = y;
        }
    std::printf("%ld of %d pixels differ", differing, shot->w * shot->h);
    if (differing > 0) std::printf(", the first at (%d,%d)", firstX, firstY);
    if (later != nullptr) std::printf(", %ld moved between the screenshots", moved);
    std::printf("\n");
    return differing == 0 && moved * 100 <= static_cast<long>(shot->w) * shot->h ? 0 : 1;
}

}  // namespace

int main(int argc, char *argv[])
{
    const bool placed = (argc == 8 || argc == 9) && std::strcmp(argv[1], "placed") == 0;
    if (argc != 5 && !placed) {
        std::fprintf(stderr,
                     "usage: %s same SMALL.bmp BIG.bmp N | shrink BIG.bmp N OUT.bmp"
                     " | placed SMALL.bmp SCREEN.bmp LEFT TOP WIDTH HEIGHT [LATER.bmp]\n",
                     argv[0]);
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    set_color_conversion(COLORCONV_TOTAL);
    if (placed)
        return placedCheck(loadOrExit(argv[2]), loadOrExit(argv[3]), argc == 9 ? loadOrExit(argv[8]) : nullptr,
                           std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]), std::atoi(argv[7]));
    if (std::strcmp(argv[1], "shrink") == 0) {
        BITMAP *big = loadOrExit(argv[2]);
        const int n = std::atoi(argv[3]);
        BITMAP *small = create_bitmap(big->w / n, big->h / n);
        for (int y = 0; y < small->h; ++y)
            for (int x = 0; x < small->w; ++x) putpixel(small, x, y, getpixel(big, x * n, y * n));
        return save_bitmap(argv[4], small, nullptr) == 0 ? 0 : 2;
    }
    BITMAP *small = loadOrExit(argv[2]);
    BITMAP *big = loadOrExit(argv[3]);
    const int n = std::atoi(argv[4]);
    if (big->w != small->w * n || big->h != small->h * n) {
        std::printf("sizes differ: %dx%d against %dx%d enlarged %d times\n", big->w, big->h, small->w, small->h, n);
        return 1;
    }
    long differing = 0;
    int firstX = -1, firstY = -1;
    for (int y = 0; y < big->h; ++y)
        for (int x = 0; x < big->w; ++x)
            if (getpixel(big, x, y) != getpixel(small, x / n, y / n)) {
                if (differing++ == 0) firstX = x, firstY = y;
            }
    std::printf("%ld of %d pixels differ", differing, big->w * big->h);
    if (differing > 0) std::printf(", the first at (%d,%d)", firstX, firstY);
    std::printf("\n");
    return differing == 0 ? 0 : 1;
}
END_OF_MAIN()
