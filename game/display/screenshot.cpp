#include "display/screenshot.h"

#include <allegro.h>
#include <loadpng.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "display/screen_size.h"
#include "platform/file_system.h"
#include "platform/player_folders.h"

namespace {

// The 16-bit `picture` in 24 bits, each colour widened as the window shows
// it: Allegro's X11 driver shows a 16-bit picture on a deeper display
// through its colour converter, whose greens differ from Allegro's plain
// widening (makecol's inverse) in the last bit of some values. Red and blue
// repeat their top bits below; green is the sum of a part for its top
// three bits and one for its bottom three.
void widenAsTheWindowDoes(BITMAP *picture, BITMAP *wide)
{
    // clang-format off
    static const int GREEN_TOP[8]    = { 0, 32, 64, 97, 129, 162, 194, 226 };
    static const int GREEN_BOTTOM[8] = { 0,  4,  8, 12,  16,  20,  24,  29 };
    // clang-format on
    for (int y = 0; y < picture->h; ++y)
        for (int x = 0; x < picture->w; ++x) {
            const int colour = getpixel(picture, x, y);
            const int red = (colour >> _rgb_r_shift_16) & 31, green = (colour >> _rgb_g_shift_16) & 63,
                      blue = (colour >> _rgb_b_shift_16) & 31;
            putpixel(wide, x, y,
                     makecol24((red << 3) | (red >> 2), GREEN_TOP[green >> 3] + GREEN_BOTTOM[green & 7],
                               (blue << 3) | (blue >> 2)));
        }
}

// mkdir -p.
bool makeDirectories(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!makeOneDirectory(part, 0755) && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string screenshotFileName(const std::tm &when, int copy)
{
    char name[64];
    std::strftime(name, sizeof name, "grog-sloop-%Y%m%d-%H%M%S", &when);
    return std::string(name) + (copy > 1 ? "-" + std::to_string(copy) : "") + ".png";
}

bool saveScreenshot(BITMAP *picture)
{
    const std::string directory = picturesDirectory();
    if (directory.empty()) {
        std::fputs("grog-sloop: no screenshot: no pictures folder (HOME is not set)\n", stderr);
        return false;
    }
    if (!makeDirectories(directory)) {
        std::fprintf(stderr, "grog-sloop: no screenshot: cannot make %s: %s\n", directory.c_str(),
                     std::strerror(errno));
        return false;
    }
    const std::time_t now = std::time(nullptr);
    std::tm when{};
    localtime_r(&now, &when);
    std::string path;
    for (int copy = 1; path.empty() || fileExists(path); ++copy) {
        if (copy > 1000) {
            std::fprintf(stderr, "grog-sloop: no screenshot: too many taken this second in %s\n", directory.c_str());
            return false;
        }
        path = directory + "/" + screenshotFileName(when, copy);
    }

    BITMAP *copy = create_bitmap_ex(16, SCREEN_WIDTH, SCREEN_HEIGHT);
    BITMAP *wide = create_bitmap_ex(24, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (copy == nullptr || wide == nullptr) {
        if (copy != nullptr) destroy_bitmap(copy);
        if (wide != nullptr) destroy_bitmap(wide);
        std::fputs("grog-sloop: no screenshot: out of memory\n", stderr);
        return false;
    }
    // The picture as it is now; Allegro's pointer, drawn into the window in
    // a dialog, is no part of it.
    if (picture == screen) scare_mouse();
    blit(picture, copy, 0, 0, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
    if (picture == screen) unscare_mouse();
    widenAsTheWindowDoes(copy, wide);
    destroy_bitmap(copy);
    errno = 0;
    const bool saved = save_png(path.c_str(), wide, nullptr) == 0;
    destroy_bitmap(wide);
    if (!saved) {
        std::fprintf(stderr, "grog-sloop: no screenshot: cannot write %s: %s\n", path.c_str(),
                     errno != 0 ? std::strerror(errno) : "the PNG could not be written");
        std::remove(path.c_str());
        return false;
    }
    std::printf("grog-sloop: screenshot saved as %s\n", path.c_str());
    std::fflush(stdout);
    return true;
}
