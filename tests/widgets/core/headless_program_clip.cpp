// The program's clipping on the GUI bitmap is a limit no look may cross:
// a widget is drawn within its row and within the clipping the program set.
#include <gtest/gtest.h>

#include <string>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

char long_title[] = "A window title running far past the clipping the program set";

// Rows straddling the clipping rectangle (100, 100)-(179, 139).
// clang-format off
const DIALOG rows[] = {
    // proc               x   y   w    h    fg bg key flags       d1  d2 dp          dp2      dp3
    {theme_window_proc,   60, 80, 400, 200, 0, 0, 0,  0,          0,  0, long_title, nullptr, nullptr},
    {theme_window_proc,   60, 80, 400, 200, 0, 0, 0,  D_GOTFOCUS, 0,  0, long_title, nullptr, nullptr},
    {theme_button_proc,   60, 90, 400, 60,  0, 0, 0,  D_GOTFOCUS, 0,  0, long_title, nullptr, nullptr},
    {theme_check_proc,    60, 110, 400, 14, 0, 0, 0,  D_SELECTED, 0,  0, long_title, nullptr, nullptr},
    {theme_edit_proc,     60, 110, 400, 14, 0, 0, 0,  D_GOTFOCUS, 80, 0, long_title, nullptr, nullptr},
};
// clang-format on

TEST(ProgramClip, NoLookDrawsOutsideTheProgramsClipping)
{
    const int blank = makecol(255, 0, 255);
    for (int i = 0; i < theme_count(); ++i) {
        Theme *look = theme_at(i);
        ASSERT_EQ(use_theme(look), THEME_OK);
        for (const DIALOG &given : rows) {
            SCOPED_TRACE(std::string(look->name) + ", row " + std::to_string(&given - rows));
            DIALOG row = given;
            row.fg = gui_fg_color;
            row.bg = gui_bg_color;
            clear_to_color(screen, blank);
            set_clip_rect(screen, 100, 100, 179, 139);
            row.proc(MSG_DRAW, &row, 0);
            int x1, y1, x2, y2;
            get_clip_rect(screen, &x1, &y1, &x2, &y2);
            EXPECT_EQ(x1 + y1 * 1000 + x2 * 1000000, 100 + 100 * 1000 + 179 * 1000000);
            set_clip_rect(screen, 0, 0, screen->w - 1, screen->h - 1);
            int outside = 0;
            for (int y = 0; y < screen->h; ++y)
                for (int x = 0; x < screen->w; ++x)
                    if ((x < 100 || x > 179 || y < 100 || y > 139) && getpixel(screen, x, y) != blank) ++outside;
            EXPECT_EQ(outside, 0);
        }
        stop_theme();
    }
}

}  // namespace
