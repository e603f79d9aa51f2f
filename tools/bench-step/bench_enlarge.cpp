// What enlarging one 800x600 frame costs, in memory: the game's own pixel
// enlarger at whole factors 2 to 4 and its fill to 1440x1080 (fullscreen on
// a 1920x1080 screen), each against Allegro's stretch_blit to the same size.
//
//   bench-enlarge [FRAMES]   (default 300)
#include <allegro.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "display/picture_layout.h"
#include "display/enlarge_rows.h"
#include "display/window_scale.h"

namespace {

template <typename Enlarge> double millisecondsPerFrame(int frames, Enlarge enlarge)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i) enlarge();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / frames;
}

}  // namespace

int main(int argc, char *argv[])
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    BITMAP *frame = create_bitmap_ex(16, 800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) putpixel(frame, x, y, (x * 31 + y * 17) & 0xffff);
    for (int scale = 2; scale <= MAX_WINDOW_SCALE; ++scale) {
        BITMAP *big = create_bitmap_ex(16, 800 * scale, 600 * scale);
        const double own = millisecondsPerFrame(frames, [&] { enlargeRows(frame, big, scale, 0, 599); });
        const double stretch =
            millisecondsPerFrame(frames, [&] { stretch_blit(frame, big, 0, 0, 800, 600, 0, 0, big->w, big->h); });
        std::printf("scale %d: enlargeRows %.3f ms/frame, stretch_blit %.3f ms/frame\n", scale, own, stretch);
        destroy_bitmap(big);
    }
    const PictureLayout filled = fullscreenLayout(1920, 1080);
    BITMAP *big = create_bitmap_ex(16, filled.width, filled.height);
    int first = 0, last = 0;
    const double own = millisecondsPerFrame(frames, [&] { fillRows(frame, big, 0, 599, first, last); });
    const double stretch =
        millisecondsPerFrame(frames, [&] { stretch_blit(frame, big, 0, 0, 800, 600, 0, 0, big->w, big->h); });
    std::printf("fill %dx%d: fillRows %.3f ms/frame, stretch_blit %.3f ms/frame\n", filled.width, filled.height, own,
                stretch);
    destroy_bitmap(big);
    return 0;
}
END_OF_MAIN()
