// Start-up of the drawing tests: Allegro without a display (SYSTEM_NONE),
// 16-bit colour, and `screen` pointed at a memory bitmap so every look draws
// where the tests can read it back. There is no timer here: do_dialog,
// install_int and the like must not be used from headless_*.cpp.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

#include "pixel_helpers.h"

BITMAP *test_screen = nullptr;
bool dialog_system_ready = false;  // no dialogs without a timer

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        std::fprintf(stderr, "cannot start Allegro: %s\n", allegro_error);
        return 1;
    }
    set_color_depth(16);
    test_screen = create_bitmap_ex(16, TEST_SCREEN_W, TEST_SCREEN_H);
    if (!test_screen) return 1;
    screen = test_screen;
    int result = RUN_ALL_TESTS();
    screen = nullptr;
    destroy_bitmap(test_screen);
    return result;
}
