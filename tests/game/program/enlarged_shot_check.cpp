// Screenshots of the enlarged window against those of the plain one.
//
//   enlarged_shot_check same SMALL.bmp BIG.bmp N   BIG is SMALL enlarged N times, pixel for pixel
//   enlarged_shot_check shrink BIG.bmp N OUT.bmp   OUT is BIG with every N x N square taken as one pixel
//
// "same" prints how many pixels differ and fails unless none does.
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

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s same SMALL.bmp BIG.bmp N | shrink BIG.bmp N OUT.bmp\n", argv[0]);
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    set_color_conversion(COLORCONV_TOTAL);
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
