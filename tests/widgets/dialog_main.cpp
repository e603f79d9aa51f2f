// Start-up of the dialog tests: real Allegro with timer and keyboard and a
// small window (they need an X display; the test script provides one with
// xvfb-run), and `screen` pointed at a 16-bit memory bitmap so what the
// dialogs draw can be read back. Dialogs are run with do_dialog and driven
// with simulate_keypress / simulate_ukeypress. Without a display every test
// skips.
//
// The window matters even though nothing is drawn in it: the dialog engine
// clips its drawing to SCREEN_W x SCREEN_H, which are 0 without a graphics
// mode. No mouse is installed: do_dialog would show its pointer on `screen`.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "pixel_helpers.h"

BITMAP *test_screen = nullptr;
bool dialog_system_ready = false;

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    BITMAP *window_screen = nullptr;
    // Listing the tests (as the build does to register them) opens no window.
    const bool listing = testing::GTEST_FLAG(list_tests);
    if (!listing && std::getenv("DISPLAY") && allegro_init() == 0 && install_timer() == 0 && install_keyboard() == 0) {
        set_color_depth(16);
        if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, TEST_SCREEN_W, TEST_SCREEN_H, 0, 0) == 0) {
            window_screen = screen;
            test_screen = create_bitmap_ex(16, TEST_SCREEN_W, TEST_SCREEN_H);
            if (test_screen) {
                screen = test_screen;
                dialog_system_ready = true;
            }
        } else {
            std::fprintf(stderr, "no window: %s\n", allegro_error);
        }
    }
    int result = RUN_ALL_TESTS();
    if (test_screen) {
        screen = window_screen;  // Allegro closes the window through `screen`
        destroy_bitmap(test_screen);
    }
    return result;
}
