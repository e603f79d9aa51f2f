// Checks a screenshot for a line of text in Allegro's own font: every pixel
// of the glyphs must have the given colour ("present"), or most of them must
// not ("absent"). Used by the scripted runs of the real program.
//
//   screen_text_check SHOT.bmp TEXT X Y left|right R G B present|absent
//
// For "right" X is the right edge of the text, as for textout_right_ex.
#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int TOLERANCE = 12;

bool near(int a, int b)
{
    return std::abs(a - b) <= TOLERANCE;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 10) {
        std::fprintf(stderr, "usage: %s SHOT.bmp TEXT X Y left|right R G B present|absent\n", argv[0]);
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
    set_color_conversion(COLORCONV_TOTAL);
    BITMAP *shot = load_bitmap(argv[1], nullptr);
    if (shot == nullptr) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const char *text = argv[2];
    const bool rightAligned = std::strcmp(argv[5], "right") == 0;
    const int width = text_length(font, text);
    const int height = text_height(font);
    const int left = std::atoi(argv[3]) - (rightAligned ? width : 0);
    const int top = std::atoi(argv[4]);
    const int r = std::atoi(argv[6]), g = std::atoi(argv[7]), b = std::atoi(argv[8]);
    const bool wantPresent = std::strcmp(argv[9], "present") == 0;

    BITMAP *glyphs = create_bitmap(width, height);
    clear_to_color(glyphs, makecol(0, 0, 0));
    textout_ex(glyphs, font, text, 0, 0, makecol(255, 255, 255), -1);

    int glyphPixels = 0, glyphMatches = 0, gapPixels = 0, gapMatches = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int c = getpixel(shot, left + x, top + y);
            const bool matches = c >= 0 && near(getr(c), r) && near(getg(c), g) && near(getb(c), b);
            if (getpixel(glyphs, x, y) != makecol(0, 0, 0)) {
                ++glyphPixels;
                glyphMatches += matches;
            } else {
                ++gapPixels;
                gapMatches += matches;
            }
        }
    }
    // A block of solid colour is no text: the gaps must differ somewhere.
    const bool present = glyphMatches == glyphPixels && gapMatches < gapPixels;
    const bool absent = glyphMatches * 2 < glyphPixels;
    std::printf("\"%s\" at (%d,%d): %d of %d glyph pixels match (%d,%d,%d), %d of %d gap pixels\n", text, left, top,
                glyphMatches, glyphPixels, r, g, b, gapMatches, gapPixels);
    return (wantPresent ? present : absent) ? 0 : 1;
}
END_OF_MAIN()
