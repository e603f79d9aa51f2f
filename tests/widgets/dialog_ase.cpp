// The "ASE" edit field in a real dialog: Allegro's editing logic runs on the
// narrowed, shifted row and typing lands in the text.
#include <allegro.h>
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

TEST(AseDialog, TypingChangesTheTextAndLeavesTheRowAsItWas)
{
    if (!dialog_system_ready) GTEST_SKIP() << "no X display";
    clear_keybuf();
    init_theme(theme_ase);
    clear_test_screen();
    char text[32] = "Yo";
    DIALOG dlg[] = {
        // proc            x    y   w    h  fg bg             key flags d1  d2 dp
        {theme_edit_proc, 100, 60, 150, 8, 0, makecol(255, 255, 255), 0, 0, 30, 2, text, nullptr, nullptr},
        {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    };
    remove_mouse(); // no graphics mode here: the pointer cannot be drawn
    simulate_ukeypress(' ', KEY_SPACE);
    simulate_ukeypress('h', KEY_H);
    simulate_ukeypress('o', KEY_O);
    simulate_keypress(KEY_HOME << 8);
    simulate_ukeypress('>', KEY_STOP);
    simulate_keypress((KEY_ESC << 8) | 27);
    EXPECT_EQ(do_dialog(dlg, 0), -1);
    EXPECT_STREQ(text, ">Yo ho");
    // MSG_START grew the row to the font plus 6; nothing else moved.
    EXPECT_EQ(dlg[0].h, text_height(font) + 6);
    EXPECT_EQ(dlg[0].w, 150);
    EXPECT_EQ(dlg[0].x, 100);
    EXPECT_EQ(dlg[0].y, 60);
    EXPECT_FALSE(dlg[0].flags & D_INTERNAL);
    shutdown_theme();
}

TEST(AseDialog, LookCanBeSetUpAndTornDownRepeatedly)
{
    if (!dialog_system_ready) GTEST_SKIP() << "no X display";
    for (int i = 0; i < 40; ++i) {
        init_theme(theme_ase);
        ASSERT_EQ(theme_bg_color, makecol(255, 255, 255));
        shutdown_theme();
    }
    EXPECT_EQ(current_theme, nullptr);
}

} // namespace
