// Start-up of the dialog tests: real Allegro with timer and keyboard (they
// need an X display; the test script provides one with xvfb-run), no
// graphics mode, and `screen` pointed at a memory bitmap. Dialogs are then
// run with do_dialog and driven with simulate_keypress / simulate_ukeypress.
// Without a display every test skips.
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
    // Allegro's X driver cannot start without a display; the tests then skip.
    if (std::getenv("DISPLAY") && allegro_init() == 0 && install_timer() == 0 &&
        install_keyboard() == 0) {
        install_mouse();  // optional: push buttons hide the pointer if there is one
        set_color_depth(16);
        test_screen = create_bitmap_ex(16, TEST_SCREEN_W, TEST_SCREEN_H);
        if (test_screen) {
            screen = test_screen;
            dialog_system_ready = true;
        }
    }
    int result = RUN_ALL_TESTS();
    if (test_screen) {
        screen = nullptr;
        destroy_bitmap(test_screen);
    }
    return result;
}
