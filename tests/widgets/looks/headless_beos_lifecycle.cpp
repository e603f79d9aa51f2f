// Making the "BeOS" look current and ending it, again and again, and what it
// does when its images cannot be created.
#include "headless_beos_fixture.h"
#include "heap_bytes.h"

namespace {

int images_present()
{
    int n = 0;
    for (int i = 0; i < 6; ++i) n += (beos_check_bitmaps[i] != nullptr) + (beos_radio_bitmaps[i] != nullptr);
    for (int i = 0; i < 2; ++i) n += (beos_knob_bitmaps[i] != nullptr) + (beos_arrow_bitmaps[i] != nullptr);
    return n;
}

using BeosLifecycle = BeosTest;

TEST_F(BeosLifecycle, InitAndShutdownAnyNumberOfTimes)
{
    // No round leaks (the leak checker ignores Allegro's bitmaps, so the
    // heap is weighed).
    const std::size_t before = heap_bytes_in_use();
    for (int round = 0; round < 20; ++round) {
        ASSERT_EQ(images_present(), 16);
        ASSERT_EQ(gui_menu_draw_menu, beos_draw_menu);
        shutdown_theme();
        ASSERT_EQ(images_present(), 0);
        ASSERT_EQ(gui_menu_draw_menu, nullptr);
        ASSERT_EQ(gui_menu_draw_menu_item, nullptr);
        init_theme(theme_beos);
    }
    init_theme(theme_beos);  // twice without a shutdown: the first images are freed
    EXPECT_EQ(images_present(), 16);
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    // Headless Allegro has no timer to blink with: the caret stays on.
    ASSERT_EQ(timer_driver, nullptr);
    EXPECT_EQ(beos_blink, 1);
}

// Allegro cannot create bitmaps of an unknown colour depth: that stands in
// for create_bitmap failing at init. Every colour is then 0 (black).
TEST_F(BeosLifecycle, WithoutImagesEverythingElseIsStillDrawn)
{
    shutdown_theme();
    set_color_depth(3);
    init_theme(theme_beos);
    set_color_depth(16);
    ASSERT_EQ(images_present(), 0);

    beos_draw_widget(screen, 10, 10, 100, 20, D_SELECTED | D_GOTFOCUS, BEOS_CHECK, nullptr);
    beos_draw_widget(screen, 10, 40, 100, 20, D_DISABLED, BEOS_RADIO, nullptr);
    const ScrollInfo knob = {10, 1, 5};
    beos_draw_widget(screen, 10, 70, 100, 20, D_GOTFOCUS, BEOS_SLIDER, &knob);
    EXPECT_TRUE(rect_is(10, 10, 109, 29, black()));
    EXPECT_TRUE(rect_is(10, 40, 109, 59, black()));
    EXPECT_EQ(screen_pixel(20, 79), black());
    MENU child[1] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    MENU item = {const_cast<char *>("More"), nullptr, child, 0, nullptr};
    beos_draw_menu_item(&item, 12, 102, 96, 12, 0, 1);
    EXPECT_EQ(screen_pixel(12, 102), black());
}

}  // namespace
