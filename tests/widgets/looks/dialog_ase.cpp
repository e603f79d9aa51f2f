// The "ASE" edit field in a real dialog: Allegro's editing logic runs on the
// narrowed, shifted row, typing lands in the text, and the row is left as
// it was (only MSG_START grows its height).
#include <allegro.h>
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

TEST(AseDialog, TypingChangesTheTextAndLeavesTheRowAsItWas)
{
    if (!dialog_system_ready) GTEST_SKIP() << "no X display";
    remove_mouse();  // no graphics mode: do_dialog cannot draw a pointer
    clear_keybuf();
    init_theme(theme_ase);
    char text[32] = "Yo";
    DIALOG dlg[] = {{theme_edit_proc, 100, 60, 150, 8, 0, makecol(255, 255, 255), 0, 0, 30, 2, text, nullptr, nullptr},
                    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr}};
    // NOLINTNEXTLINE(bugprone-signed-char-misuse): plain ASCII keys
    for (int ch : {' ', 'h', 'o'}) simulate_ukeypress(ch, 0);
    simulate_keypress(KEY_HOME << 8);
    simulate_ukeypress('>', 0);
    simulate_keypress((KEY_ESC << 8) | 27);
    EXPECT_EQ(do_dialog(dlg, 0), -1);
    EXPECT_STREQ(text, ">Yo ho");
    EXPECT_EQ(dlg[0].h, text_height(font) + 6);
    EXPECT_EQ(dlg[0].w, 150);
    EXPECT_EQ(dlg[0].x + dlg[0].y, 160);
    EXPECT_FALSE(dlg[0].flags & D_INTERNAL);
    shutdown_theme();
}
