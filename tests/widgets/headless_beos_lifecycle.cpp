// Making the "BeOS" look current and ending it, again and again, and what it
// does when its images cannot be created.
#include "headless_beos_fixture.h"

namespace {

bool all_images(bool present)
{
    for (BITMAP *const *set : {beos_check_bitmaps, beos_radio_bitmaps})
        for (int i = 0; i < 6; ++i)
            if ((set[i] != nullptr) != present) return false;
    for (BITMAP *const *set : {beos_knob_bitmaps, beos_arrow_bitmaps})
        for (int i = 0; i < 2; ++i)
            if ((set[i] != nullptr) != present) return false;
    return true;
}

using BeosLifecycle = BeosTest;

TEST_F(BeosLifecycle, InitBuildsImagesAndHooksShutdownClearsThem)
{
    EXPECT_TRUE(all_images(true));
    EXPECT_EQ(gui_menu_draw_menu, beos_draw_menu);
    shutdown_theme();
    EXPECT_TRUE(all_images(false));
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
}

TEST_F(BeosLifecycle, RepeatedInitAndShutdownKeepsWorking)
{
    // The sanitizer build checks that nothing leaks across the rounds.
    for (int round = 0; round < 25; ++round) {
        shutdown_theme();
        init_theme(theme_beos);
        ASSERT_TRUE(all_images(true)) << round;
    }
    // Made current twice without a shutdown: the first images are freed.
    init_theme(theme_beos);
    EXPECT_TRUE(all_images(true));

    DIALOG d = row(beos_check_proc, 10, 10, 100, 20, D_SELECTED);
    beos_check_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(12 + 3, 10 + 10 - th / 2 - 2 + 3), focus_blue());
}

TEST_F(BeosLifecycle, WithoutATimerTheCaretStaysOn)
{
    // Headless Allegro has no timer to blink with.
    ASSERT_EQ(timer_driver, nullptr);
    EXPECT_EQ(beos_blink, 1);
}

// Allegro cannot create bitmaps of an unknown colour depth, which stands in
// for create_bitmap failing at init.
struct FailedImages : BeosTest {
    void SetUp() override
    {
        shutdown_theme();
        set_color_depth(3);
        init_theme(theme_beos);
        set_color_depth(16);
        clear_test_screen();
        th = text_height(font);
    }
};

TEST_F(FailedImages, EverythingElseIsStillDrawn)
{
    ASSERT_TRUE(all_images(false));
    const Rgb ink = black();  // every colour was made at the failed depth: 0

    DIALOG check = row(beos_check_proc, 10, 10, 100, 20, D_SELECTED | D_GOTFOCUS);
    EXPECT_EQ(beos_check_proc(MSG_DRAW, &check, 0), D_O_K);
    EXPECT_TRUE(rect_is(10, 10, 109, 29, ink));

    DIALOG radio = row(beos_radio_proc, 10, 40, 100, 20, D_DISABLED);
    EXPECT_EQ(beos_radio_proc(MSG_DRAW, &radio, 0), D_O_K);
    EXPECT_TRUE(rect_is(10, 40, 109, 59, ink));

    DIALOG slider = row(beos_slider_proc, 10, 70, 100, 20, D_GOTFOCUS, 10, 5);
    EXPECT_EQ(beos_slider_proc(MSG_DRAW, &slider, 0), D_O_K);
    EXPECT_EQ(screen_pixel(20, 79), ink);

    beos_draw_menu(10, 100, 100, 30);
    MENU child[1] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    MENU item = {const_cast<char *>("More"), nullptr, child, 0, nullptr};
    beos_draw_menu_item(&item, 12, 102, 96, 12, 0, 1);
    EXPECT_EQ(screen_pixel(12, 102), ink);

    shutdown_theme();
    EXPECT_TRUE(all_images(false));
}

}  // namespace
