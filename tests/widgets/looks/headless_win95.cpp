// The "Win95" look drawn on a memory screen and read back pixel by pixel.
// SYSTEM_NONE has no timer, so here the look starts without its blink timer
// and the tests move the blink flag by hand.
#include <allegro.h>
#include <gtest/gtest.h>

#include <string>

#include "heap_bytes.h"
#include "look_probes.h"
#include "widgets/theme.h"
#include "widgets/looks/win95/look.h"

namespace {

const Rgb WHITE = rgb16(255, 255, 255), LIGHT = rgb16(223, 223, 223), FACE = rgb16(191, 191, 191),
          SHADOW = rgb16(127, 127, 127), BLACK = rgb16(0, 0, 0), GREY165 = rgb16(165, 165, 165),
          GREY149 = rgb16(149, 149, 149), BLUE = rgb16(0, 0, 156);

struct Win95Look : testing::Test {
    void SetUp() override { init_theme(theme_win95), clear_test_screen(); }
    void TearDown() override { mouse_b = 0, w95_blink = 0, shutdown_theme(); }
};

TEST_F(Win95Look, SettingUpAgainAndAgainLeavesNothingBehindAndTearDownClearsTheHooks)
{
    // The layer allows init_theme twice without shutdown_theme in between.
    shutdown_theme();
    init_theme(theme_win95), shutdown_theme();
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 200; ++i) init_theme(theme_win95), init_theme(theme_win95), shutdown_theme();
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
    EXPECT_EQ(w95_radio_on, nullptr);
    init_theme(theme_win95);
    EXPECT_EQ(theme_bg_color, makecol(191, 191, 191));
    EXPECT_EQ(gui_menu_draw_menu_item, w95_draw_menu_item);
    EXPECT_EQ(pixel_at(w95_radio_on, 5, 4), BLACK);
}

TEST_F(Win95Look, FocusedButtonHasOutlineInsetBevelAndDots)
{
    DIALOG d = probe_row(90, 115, 100, 18, D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(90, 189, 115, BLACK));
    EXPECT_TRUE(vline_is(90, 115, 132, BLACK));
    EXPECT_TRUE(hline_is(91, 187, 116, WHITE));
    EXPECT_TRUE(vline_is(188, 116, 130, BLACK));
    EXPECT_TRUE(hline_is(92, 186, 117, LIGHT));
    EXPECT_TRUE(hline_is(92, 187, 130, SHADOW));
    EXPECT_TRUE(dotted_at(94, 119, 185, 128, BLACK, FACE));  // (x+4, y+4)-(x+w-5, y+h-5)
    EXPECT_TRUE(rect_is(95, 120, 184, 127, FACE));
}

TEST_F(Win95Look, PressedButtonShowsTwoPlainRectanglesAndMovesItsLabel)
{
    DIALOG idle = probe_row(20, 20, 100, 18, 0, "Hoist"), pressed = probe_row(20, 60, 100, 18, D_SELECTED, "Hoist");
    theme_button_proc(MSG_DRAW, &idle, 0);
    theme_button_proc(MSG_DRAW, &pressed, 0);
    EXPECT_TRUE(hline_is(20, 119, 60, BLACK));
    EXPECT_TRUE(vline_is(119, 60, 77, BLACK));
    EXPECT_TRUE(hline_is(21, 118, 76, SHADOW));
    EXPECT_TRUE(vline_is(21, 61, 76, SHADOW));
    EXPECT_EQ(count_colour(22, 62, 117, 75, WHITE), 0);
    int il, it, pl, pt;
    ink_corner(22, 22, 117, 35, BLACK, &il, &it);
    ink_corner(22, 62, 117, 75, BLACK, &pl, &pt);
    EXPECT_EQ(pl, il + 1);
    EXPECT_EQ(pt - 40, it + 1);
}

TEST_F(Win95Look, CheckBoxIsGreyWhileHeldAndTickedWhenReleased)
{
    mouse_b = 1;
    DIALOG d = probe_row(20, 300, 100, 20, D_SELECTED | D_GOTMOUSE, "Rum");
    EXPECT_EQ(theme_check_proc(MSG_LPRESS, &d, 0) & D_DIRTY, 0);  // answer; the flag is set
    EXPECT_TRUE(d.flags & D_DIRTY);
    d.flags &= ~D_DIRTY;
    theme_check_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(22, 33, 304, GREY149));  // 13x13 field at (x+2, y+h/2-6)
    EXPECT_EQ(screen_pixel(24, 306), GREY149);
    mouse_b = 0;
    theme_check_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(24, 306), WHITE);
    EXPECT_EQ(screen_pixel(31, 307), BLACK);  // the tick at (x+4, y+h/2-4)
}

TEST_F(Win95Look, BoxTooSmallForAFacePaintsNothingOutsideItself)
{
    DIALOG tiny = probe_row(100, 100, 3, 3);
    theme_box_proc(MSG_DRAW, &tiny, 0);
    EXPECT_EQ(count_colour(96, 96, 106, 106, FACE), 0);
}

TEST_F(Win95Look, WindowDrawsItsTitleBarEvenWithoutATitle)
{
    const int th = text_height(font);
    DIALOG d = probe_row(100, 100, 200, 100);
    EXPECT_EQ(theme_window_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(104, 104, 295, 100 + th + 9, BLUE));
    EXPECT_TRUE(hline_is(103, 295, 103, GREY149));
    EXPECT_TRUE(hline_is(103, 296, 100 + th + 10, LIGHT));
    DIALOG titled = probe_row(100, 250, 200, 100, 0, "Captain's Log");
    theme_window_proc(MSG_DRAW, &titled, 0);
    int left, top;
    ink_corner(104, 254, 295, 250 + th + 9, WHITE, &left, &top);
    EXPECT_EQ(left, 107);
    EXPECT_EQ(top, 257);
}

TEST_F(Win95Look, HighlightedPopupItemIsGreyOnBlueAndOpenBarItemIsRaised)
{
    char label[] = "Plunder";
    MENU m = {label, nullptr, nullptr, 0, nullptr};
    w95_draw_menu_item(&m, 10, 10, 100, 12, 0, 1);
    EXPECT_EQ(screen_pixel(109, 21), BLUE);
    EXPECT_GT(count_colour(18, 11, 80, 19, FACE), 10);
    EXPECT_EQ(count_colour(18, 11, 80, 19, BLACK), 0);
    w95_draw_menu_item(&m, 10, 40, 100, 12, 1, 1);
    EXPECT_TRUE(hline_is(10, 109, 40, WHITE));
    EXPECT_TRUE(vline_is(109, 41, 51, GREY149));
    EXPECT_GT(count_colour(18, 41, 80, 49, BLACK), 10);
}

TEST_F(Win95Look, OverlongMenuLabelIsCutNotOverrun)
{
    std::string text(600, 'A');
    text += "\tCtrl+Q";
    MENU m = {&text[0], nullptr, nullptr, 0, nullptr};
    w95_draw_menu_item(&m, 0, 100, 640, 12, 0, 0);
    EXPECT_EQ(text.size(), 607u);
    EXPECT_GT(count_colour(8, 101, 200, 110, BLACK), 100);
}

TEST_F(Win95Look, DrawsWithoutItsImagesWhenTheyCouldNotBeMade)
{
    w95_free_bitmaps();  // as if create_bitmap had failed at set-up
    DIALOG radio = probe_row(20, 20, 100, 20, D_SELECTED, "Aye"), check = probe_row(20, 60, 100, 20, D_SELECTED);
    theme_radio_proc(MSG_DRAW, &radio, 0);
    theme_check_proc(MSG_DRAW, &check, 0);
    EXPECT_EQ(screen_pixel(24, 66), WHITE);
    char label[] = "More";
    MENU child[] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    MENU m = {label, nullptr, child, 0, nullptr};
    w95_draw_menu_item(&m, 10, 100, 100, 12, 0, 0);
    EXPECT_GT(count_colour(18, 101, 60, 110, BLACK), 5);
}

// ---- edit field ----

struct Win95Edit : Win95Look {
    char text[64] = "Sloop";
    DIALOG edit(int flags, int caret)
    {
        DIALOG d = probe_row(40, 40, 125, 20, flags, text);
        d.proc = theme_edit_proc;
        d.d1 = 60;
        d.d2 = caret;
        return d;
    }
    // The caret after "Sloop": one pixel left of the blank cell.
    int caret_pixels()
    {
        const int x = 44 + 5 * text_length(font, "S") - 1;
        return count_colour(x, 43, x, 43 + text_height(font), BLACK);
    }
};

TEST_F(Win95Edit, CaretShowsOnlyWhenFocusedAndBlinkIsOn)
{
    const int th = text_height(font);
    DIALOG d = edit(D_GOTFOCUS, 5);
    w95_blink = 1;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(caret_pixels(), th + 1);
    EXPECT_TRUE(hline_is(40, 163, 40, GREY149));
    EXPECT_TRUE(hline_is(40, 164, 40 + th + 5, WHITE));
    w95_blink = 0;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(caret_pixels(), 0);
    w95_blink = 1;
    DIALOG unfocused = edit(0, 5);
    theme_edit_proc(MSG_DRAW, &unfocused, 0);
    EXPECT_EQ(caret_pixels(), 0);
}

TEST_F(Win95Edit, BlinkChangeMarksTheFocusedFieldForRedrawing)
{
    DIALOG d = edit(D_GOTFOCUS, 0), other = edit(0, 0);
    theme_edit_proc(MSG_IDLE, &d, 0);  // catch up with the flag
    d.flags &= ~D_DIRTY;
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(d.flags & D_DIRTY);
    // An unfocused field earlier in the dialog does not take the change
    // away from the focused one.
    w95_blink = !w95_blink;
    theme_edit_proc(MSG_IDLE, &other, 0);
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(other.flags & D_DIRTY);
    EXPECT_TRUE(d.flags & D_DIRTY);
}

TEST_F(Win95Edit, KeepsTheFocusAndEditsThroughAllegro)
{
    DIALOG d = edit(D_GOTFOCUS, 5);
    EXPECT_EQ(theme_edit_proc(MSG_LOSTFOCUS, &d, 0), D_WANTFOCUS);
    EXPECT_EQ(theme_edit_proc(MSG_LOSTMOUSE, &d, 0), D_WANTFOCUS);
    theme_edit_proc(MSG_UCHAR, &d, '!');
    EXPECT_STREQ(text, "Sloop!");
    EXPECT_EQ(d.x + d.y, 80);
    EXPECT_EQ(screen_pixel(40, 40), GREY149);  // redrawn at the row's corner
}

// ---- list ----

int list_size = 0;
char *list_getter(int index, int *size)
{
    static char item[] = "Item";
    if (index < 0) *size = list_size;
    return index < 0 ? nullptr : item;
}

TEST_F(Win95Look, ListScrollBarAppearsOnlyWhenItemsAreHidden)
{
    list_size = 3;
    DIALOG d = probe_row(20, 20, 120, 84);
    d.dp = reinterpret_cast<void *>(list_getter);
    d.d1 = 1;
    theme_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(137, 30), BLUE);         // selected row to x + w - 3
    EXPECT_TRUE(rect_is(22, 46, 137, 101, WHITE));  // empty rows
    EXPECT_TRUE(hline_is(21, 138, 21, BLACK));

    // 100 items, 10 rows: thumb (50 + 10 * 79) / 100 = 8 long; with d2 = 50
    // its top is y + 2 + (50 + 79 * 50) / 100 = y + 42.
    list_size = 100;
    d.d2 = 50;
    theme_text_list_proc(MSG_DRAW, &d, 0);
    const int tx = 20 + 120 - 13;
    EXPECT_TRUE(rect_is(tx, 22, tx + 12, 61, LIGHT));
    EXPECT_EQ(screen_pixel(tx, 62), LIGHT);
    EXPECT_EQ(screen_pixel(tx + 1, 63), WHITE);
    EXPECT_EQ(screen_pixel(tx + 11, 69), BLACK);
    EXPECT_TRUE(rect_is(tx, 70, tx + 10, 101, LIGHT));
    EXPECT_EQ(screen_pixel(126, 30), WHITE);  // rows end at x + w - 14
}

}  // namespace
