// The title screen: the picture players know, with one line at its foot
// that says a key starts the game and names the help and options keys.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

#include "screens/screen_text.h"
#include "shell_fixture.h"

namespace {

// FNV-1a over the RGB of every pixel in rows first..last of the screen.
std::uint64_t rowsDigest(int first, int last)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = first; y <= last; ++y) {
        for (int x = 0; x < 800; ++x) {
            const int rgb = screenRgb(x, y);
            for (int shift : {16, 8, 0}) hash = (hash ^ ((rgb >> shift) & 0xff)) * 1099511628211ull;
        }
    }
    return hash;
}

using TitleScreen = ShellTest;

TEST_F(TitleScreen, KeepsItsPictureAndNamesTheHelpAndOptionsKeysAtItsFoot)
{
    clear_bitmap(WorldBitmap);
    showTitleScreen();
    // Rows 0..549 as the title was before it named any keys (the table read
    // from a scratch directory without High.txt).
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(rowsDigest(0, 549)));
    EXPECT_STREQ(digest, "f9ee663b01ded9d4");

    // Below them, one line in the title's grey on black, and nothing else.
    const int greyColour = makecol(175, 175, 175);
    const int titleGrey = (getr(greyColour) << 16) | (getg(greyColour) << 8) | getb(greyColour);
    int grey = 0;
    for (int y = 550; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const int rgb = screenRgb(x, y);
            ASSERT_TRUE(rgb == 0 || rgb == titleGrey) << "pixel (" << x << ", " << y << ") is " << std::hex << rgb;
            grey += rgb != 0;
        }
    }
    EXPECT_GT(grey, 100) << "the foot line says to press a key, and names F1 and F10";
}

}  // namespace
