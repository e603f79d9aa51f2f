// The "Win95" look drawn on a memory screen and read back pixel by pixel.
// (SYSTEM_NONE has no timer: here the look starts without its blink timer,
// and the tests move the blink flag by hand.)
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "heap_bytes.h"
#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/win95.h"

namespace {

const Rgb WHITE = rgb16(255, 255, 255);
const Rgb LIGHT = rgb16(223, 223, 223);
const Rgb FACE = rgb16(191, 191, 191);
const Rgb SHADOW = rgb16(127, 127, 127);
const Rgb BLACK = rgb16(0, 0, 0);
const Rgb GREY165 = rgb16(165, 165, 165);
const Rgb GREY149 = rgb16(149, 149, 149);
const Rgb BLUE = rgb16(0, 0, 156);
const Rgb MAGENTA = rgb16(255, 0, 255);

class Win95Look : public testing::Test {
protected:
    void SetUp() override
    {
        init_theme(theme_win95);
        clear_test_screen();
    }
    void TearDown() override
    {
        mouse_b = 0;
        shutdown_theme();
    }

    static DIALOG row(int x, int y, int w, int h, int flags = 0, const char *text = nullptr)
    {
        DIALOG d = {};
        d.x = x;
        d.y = y;
        d.w = w;
        d.h = h;
        d.flags = flags;
        d.dp = const_cast<char *>(text);
        return d;
    }

    // Top-left corner of the pixels of colour c inside (x1, y1)-(x2, y2).
    static void ink_corner(int x1, int y1, int x2, int y2, Rgb c, int *left, int *top)
    {
        *left = *top = 1 << 20;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (screen_pixel(x, y) == c) {
                    if (x < *left) *left = x;
                    if (y < *top) *top = y;
                }
    }

    // The dotted focus rectangle: black where x + y has the parity of the
    // corner, face elsewhere.
    static testing::AssertionResult dotted_at(int x1, int y1, int x2, int y2)
    {
        auto want = [&](int x, int y) { return ((x + y) & 1) == ((x1 + y1) & 1) ? BLACK : FACE; };
        for (int x = x1; x <= x2; ++x)
            for (int y : {y1, y2})
                if (screen_pixel(x, y) != want(x, y))
                    return testing::AssertionFailure() << "dot (" << x << "," << y << ") is " << screen_pixel(x, y);
        for (int y = y1 + 1; y < y2; ++y)
            for (int x : {x1, x2})
                if (screen_pixel(x, y) != want(x, y))
                    return testing::AssertionFailure() << "dot (" << x << "," << y << ") is " << screen_pixel(x, y);
        return testing::AssertionSuccess();
    }
};

TEST_F(Win95Look, RegistersPublishesColoursAndInstallsMenuHooks)
{
    EXPECT_EQ(find_theme("Win95"), theme_win95);
    EXPECT_EQ(find_theme("WIN95"), nullptr);
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_bg_color, makecol(191, 191, 191));
    EXPECT_EQ(theme_mg_color, makecol(149, 149, 149));
    EXPECT_EQ(gui_menu_draw_menu, w95_draw_menu);
    EXPECT_EQ(gui_menu_draw_menu_item, w95_draw_menu_item);
    ASSERT_NE(w95_radio_off, nullptr);
    ASSERT_NE(w95_submenu_arrow, nullptr);

    shutdown_theme();
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
    EXPECT_EQ(w95_radio_off, nullptr);
    EXPECT_EQ(w95_radio_on, nullptr);
    EXPECT_EQ(w95_radio_pressed, nullptr);
    EXPECT_EQ(w95_check_mark, nullptr);
    EXPECT_EQ(w95_submenu_arrow, nullptr);
    init_theme(theme_win95); // for TearDown
}

TEST_F(Win95Look, SettingUpAgainAndAgainLeavesNothingBehind)
{
    // The layer allows init_theme twice without shutdown_theme in between;
    // neither that nor a plain set-up and tear-down may leave images behind.
    shutdown_theme();
    init_theme(theme_win95);
    shutdown_theme();
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 200; ++i) {
        init_theme(theme_win95);
        init_theme(theme_win95);
        shutdown_theme();
    }
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    init_theme(theme_win95);
    ASSERT_NE(w95_radio_on, nullptr);
    EXPECT_EQ(w95_radio_on->w, 12);
}

TEST_F(Win95Look, ImagesFollowTheirCharacterArt)
{
    ASSERT_EQ(w95_radio_off->w, 12);
    ASSERT_EQ(w95_radio_off->h, 12);
    EXPECT_EQ(w95_check_mark->w, 9);
    EXPECT_EQ(w95_submenu_arrow->w, 8);
    EXPECT_EQ(w95_submenu_arrow->h, 7);
    EXPECT_EQ(getpixel(w95_radio_off, 0, 0), bitmap_mask_color(w95_radio_off));
    EXPECT_EQ(pixel_at(w95_radio_off, 4, 0), GREY149);
    EXPECT_EQ(pixel_at(w95_radio_off, 4, 1), BLACK);
    EXPECT_EQ(pixel_at(w95_radio_off, 4, 2), WHITE);
    EXPECT_EQ(pixel_at(w95_radio_off, 10, 4), GREY165);
    EXPECT_EQ(pixel_at(w95_radio_on, 5, 4), BLACK);
    EXPECT_EQ(pixel_at(w95_radio_off, 5, 4), WHITE);
    EXPECT_EQ(pixel_at(w95_radio_pressed, 3, 4), GREY165);
    EXPECT_EQ(pixel_at(w95_check_mark, 7, 1), BLACK);
    EXPECT_EQ(getpixel(w95_check_mark, 0, 1), bitmap_mask_color(w95_check_mark));
    EXPECT_EQ(pixel_at(w95_submenu_arrow, 7, 3), BLACK);
    EXPECT_EQ(getpixel(w95_submenu_arrow, 7, 2), bitmap_mask_color(w95_submenu_arrow));
}

TEST_F(Win95Look, IdleButtonHasTwoPixelRaisedBevel)
{
    DIALOG d = row(90, 115, 100, 18);
    EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(90, 188, 115, WHITE));
    EXPECT_TRUE(vline_is(90, 116, 131, WHITE));
    EXPECT_TRUE(hline_is(90, 189, 132, BLACK));
    EXPECT_TRUE(vline_is(189, 115, 131, BLACK));
    EXPECT_TRUE(hline_is(91, 187, 116, LIGHT));
    EXPECT_TRUE(vline_is(91, 117, 130, LIGHT));
    EXPECT_TRUE(hline_is(91, 188, 131, SHADOW));
    EXPECT_TRUE(vline_is(188, 116, 130, SHADOW));
    EXPECT_TRUE(rect_is(92, 117, 187, 130, FACE));
    EXPECT_EQ(screen_pixel(190, 115), MAGENTA);
}

TEST_F(Win95Look, FocusedButtonHasOutlineInsetBevelAndDots)
{
    DIALOG d = row(90, 115, 100, 18, D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(90, 189, 115, BLACK));
    EXPECT_TRUE(vline_is(90, 115, 132, BLACK));
    EXPECT_TRUE(hline_is(90, 189, 132, BLACK));
    EXPECT_TRUE(hline_is(91, 187, 116, WHITE));
    EXPECT_TRUE(vline_is(91, 117, 130, WHITE));
    EXPECT_TRUE(hline_is(91, 188, 131, BLACK));
    EXPECT_TRUE(vline_is(188, 116, 130, BLACK));
    EXPECT_TRUE(hline_is(92, 186, 117, LIGHT));
    EXPECT_TRUE(hline_is(92, 187, 130, SHADOW));
    EXPECT_TRUE(vline_is(187, 117, 129, SHADOW));
    // Dotted rectangle from (x + 4, y + 4) to (x + w - 5, y + h - 5).
    EXPECT_TRUE(dotted_at(94, 119, 185, 128));
    EXPECT_EQ(screen_pixel(94, 119), BLACK);
    EXPECT_TRUE(rect_is(95, 120, 184, 127, FACE));
    EXPECT_EQ(screen_pixel(93, 118), FACE);
}

TEST_F(Win95Look, PressedButtonShowsTwoPlainRectanglesAndMovesItsLabel)
{
    DIALOG idle = row(20, 20, 100, 18, 0, "Hoist");
    theme_button_proc(MSG_DRAW, &idle, 0);
    int idle_left, idle_top;
    ink_corner(22, 22, 117, 35, BLACK, &idle_left, &idle_top);

    DIALOG pressed = row(20, 60, 100, 18, D_SELECTED, "Hoist");
    theme_button_proc(MSG_DRAW, &pressed, 0);
    EXPECT_TRUE(hline_is(20, 119, 60, BLACK));
    EXPECT_TRUE(hline_is(20, 119, 77, BLACK));
    EXPECT_TRUE(vline_is(20, 60, 77, BLACK));
    EXPECT_TRUE(vline_is(119, 60, 77, BLACK));
    EXPECT_TRUE(hline_is(21, 118, 61, SHADOW));
    EXPECT_TRUE(hline_is(21, 118, 76, SHADOW));
    EXPECT_TRUE(vline_is(21, 61, 76, SHADOW));
    EXPECT_TRUE(vline_is(118, 61, 76, SHADOW));
    EXPECT_EQ(count_colour(22, 62, 117, 75, WHITE), 0);
    int left, top;
    ink_corner(22, 62, 117, 75, BLACK, &left, &top);
    EXPECT_EQ(left, idle_left + 1);
    EXPECT_EQ(top - 40, idle_top + 1);

    DIALOG off = row(20, 100, 100, 18, D_DISABLED, "Hoist");
    theme_button_proc(MSG_DRAW, &off, 0);
    EXPECT_EQ(count_colour(22, 102, 117, 115, BLACK), 0);
    EXPECT_GT(count_colour(22, 102, 117, 115, SHADOW), 20);
}

TEST_F(Win95Look, BoxIsARaisedBevelAndClearPaintsTheFace)
{
    DIALOG d = row(10, 10, 30, 20);
    EXPECT_EQ(theme_box_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(10, 38, 10, LIGHT));
    EXPECT_TRUE(hline_is(11, 37, 11, WHITE));
    EXPECT_TRUE(hline_is(11, 38, 28, SHADOW));
    EXPECT_TRUE(hline_is(10, 39, 29, BLACK));
    EXPECT_TRUE(rect_is(12, 12, 37, 27, FACE));
    EXPECT_EQ(theme_shadow_box_proc(MSG_CLICK, &d, 0), D_O_K);
    // A bevel too small for a face does not paint outside itself.
    DIALOG tiny = row(100, 100, 3, 3);
    theme_box_proc(MSG_DRAW, &tiny, 0);
    EXPECT_EQ(screen_pixel(99, 99), MAGENTA);
    EXPECT_EQ(screen_pixel(103, 103), MAGENTA);

    theme_clear_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(639, 479), FACE);
}

TEST_F(Win95Look, CheckBoxIsGreyWhileHeldAndTickedWhenSelected)
{
    DIALOG d = row(20, 300, 100, 20, D_SELECTED, "Rum");
    theme_check_proc(MSG_DRAW, &d, 0);
    // 13x13 field at (x + 2, y + h/2 - 6) with a white inside.
    EXPECT_TRUE(hline_is(22, 33, 304, GREY149));
    EXPECT_TRUE(hline_is(23, 32, 305, BLACK));
    EXPECT_TRUE(hline_is(22, 34, 316, WHITE));
    EXPECT_EQ(screen_pixel(24, 306), WHITE);
    // The tick at (x + 4, y + h/2 - 4).
    EXPECT_EQ(screen_pixel(31, 307), BLACK);
    EXPECT_EQ(screen_pixel(25, 309), BLACK);
    EXPECT_EQ(screen_pixel(20, 300), FACE);

    // Held down with the mouse: the inside turns grey 149.
    mouse_b = 1;
    DIALOG held = row(20, 340, 100, 20, D_GOTMOUSE, "Rum");
    theme_check_proc(MSG_DRAW, &held, 0);
    EXPECT_TRUE(rect_is(24, 346, 32, 354, GREY149));
    mouse_b = 0;
    theme_check_proc(MSG_DRAW, &held, 0);
    EXPECT_TRUE(rect_is(24, 346, 32, 354, WHITE));
}

TEST_F(Win95Look, FocusedCheckAndRadioGetADottedRectangleAroundTheLabel)
{
    const int th = text_height(font);
    DIALOG d = row(20, 20, 120, 20, D_GOTFOCUS, "Grog");
    theme_check_proc(MSG_DRAW, &d, 0);
    const int ty = 20 + 10 - th / 2;
    EXPECT_TRUE(dotted_at(36, ty - 2, 36 + text_length(font, "Grog") + 3, ty + th + 1));

    DIALOG r = row(20, 60, 120, 20, D_GOTFOCUS | D_SELECTED, "Grog");
    theme_radio_proc(MSG_DRAW, &r, 0);
    EXPECT_TRUE(dotted_at(36, 60 + 10 - th / 2 - 2, 36 + text_length(font, "Grog") + 3, 60 + 10 - th / 2 + th + 1));
    // The selected radio button at (x + 3, y + h/2 - 6) with its dot.
    EXPECT_EQ(screen_pixel(23 + 5, 64 + 4), BLACK);
    EXPECT_EQ(screen_pixel(23 + 4, 64 + 2), WHITE);

    // Without a label there is nothing to surround.
    DIALOG bare = row(20, 100, 120, 20, D_GOTFOCUS);
    theme_check_proc(MSG_DRAW, &bare, 0);
    EXPECT_EQ(count_colour(36, 100, 139, 119, BLACK), 0);
}

TEST_F(Win95Look, RadioShowsPressedImageOnlyWhileSelectedAndHeld)
{
    DIALOG off = row(20, 20, 100, 20);
    theme_radio_proc(MSG_DRAW, &off, 0);
    EXPECT_EQ(screen_pixel(23 + 5, 24 + 4), WHITE);
    EXPECT_EQ(screen_pixel(23 + 0, 24 + 0), FACE); // transparent corner

    mouse_b = 1;
    DIALOG held = row(20, 60, 100, 20, D_SELECTED | D_GOTMOUSE);
    theme_radio_proc(MSG_DRAW, &held, 0);
    EXPECT_EQ(screen_pixel(23 + 3, 64 + 4), GREY165);
    EXPECT_EQ(screen_pixel(23 + 5, 64 + 4), BLACK);
    DIALOG unselected_held = row(20, 100, 100, 20, D_GOTMOUSE);
    theme_radio_proc(MSG_DRAW, &unselected_held, 0);
    EXPECT_EQ(screen_pixel(23 + 3, 104 + 4), WHITE);
}

TEST_F(Win95Look, PressAndReleaseMarkChecksRadiosAndIconsDirty)
{
    for (auto proc : {theme_check_proc, theme_radio_proc, theme_icon_proc}) {
        DIALOG d = row(20, 20, 40, 20);
        d.proc = proc;
        proc(MSG_LRELEASE, &d, 0);
        EXPECT_TRUE(d.flags & D_DIRTY);
        d.flags = 0;
        proc(MSG_IDLE, &d, 0);
        EXPECT_FALSE(d.flags & D_DIRTY);
    }
}

TEST_F(Win95Look, IconFrameFollowsFocusAndSelection)
{
    BITMAP *icon = create_bitmap(8, 8);
    clear_to_color(icon, makecol(0, 255, 0));
    DIALOG flat = row(20, 20, 20, 20);
    flat.dp = icon;
    theme_icon_proc(MSG_DRAW, &flat, 0);
    EXPECT_EQ(screen_pixel(20, 20), FACE);
    EXPECT_EQ(screen_pixel(30, 30), rgb16(0, 255, 0));
    EXPECT_EQ(screen_pixel(21, 21), FACE);

    DIALOG raised = flat;
    raised.y = 60;
    raised.flags = D_GOTFOCUS;
    theme_icon_proc(MSG_DRAW, &raised, 0);
    EXPECT_EQ(screen_pixel(20, 60), WHITE);
    EXPECT_EQ(screen_pixel(39, 79), GREY149);

    DIALOG sunken = flat;
    sunken.y = 100;
    sunken.flags = D_SELECTED | D_GOTFOCUS;
    theme_icon_proc(MSG_DRAW, &sunken, 0);
    EXPECT_EQ(screen_pixel(20, 100), GREY149);
    EXPECT_EQ(screen_pixel(39, 119), WHITE);
    destroy_bitmap(icon);
}

TEST_F(Win95Look, WindowDrawsItsTitleBarEvenWithoutATitle)
{
    const int th = text_height(font);
    DIALOG d = row(100, 100, 200, 100);
    EXPECT_EQ(theme_window_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(theme_window_proc(MSG_CLICK, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(104, 104, 295, 100 + th + 9, BLUE));
    EXPECT_TRUE(hline_is(103, 295, 103, GREY149));
    EXPECT_TRUE(vline_is(103, 103, 100 + th + 9, GREY149));
    EXPECT_TRUE(hline_is(103, 296, 100 + th + 10, LIGHT));
    EXPECT_TRUE(vline_is(296, 103, 100 + th + 9, LIGHT));
    EXPECT_EQ(screen_pixel(150, 150), FACE);

    DIALOG titled = row(100, 250, 200, 100, 0, "Captain's Log");
    theme_window_proc(MSG_DRAW, &titled, 0);
    int left, top;
    ink_corner(104, 254, 295, 250 + th + 9, WHITE, &left, &top);
    EXPECT_EQ(left, 107);
    EXPECT_EQ(top, 257);
    // A title longer than the bar is clipped inside it.
    DIALOG narrow = row(400, 100, 40, 60, 0, "A title far too long for this");
    theme_window_proc(MSG_DRAW, &narrow, 0);
    EXPECT_EQ(count_colour(433, 104, 460, 100 + th + 9, WHITE), 0);
}

// ---- edit field ----

class Win95Edit : public Win95Look {
protected:
    char text[64] = "Sloop";
    DIALOG edit(int flags, int caret)
    {
        DIALOG d = row(40, 40, 125, 20, flags, text);
        d.proc = theme_edit_proc;
        d.d1 = 60;
        d.d2 = caret;
        return d;
    }
    int caret_pixels()
    {
        const int th = text_height(font);
        const int x = 40 + 4 + 5 * text_length(font, "S") - 1;
        return count_colour(x, 43, x, 40 + th + 3, BLACK);
    }
};

TEST_F(Win95Edit, SunkenWhiteFieldOneTextLineHigh)
{
    const int th = text_height(font);
    DIALOG d = edit(0, 0);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(40, 163, 40, GREY149));
    EXPECT_TRUE(hline_is(41, 162, 41, BLACK));
    EXPECT_TRUE(hline_is(41, 163, 40 + th + 4, GREY165));
    EXPECT_TRUE(hline_is(40, 164, 40 + th + 5, WHITE));
    EXPECT_TRUE(vline_is(164, 40, 40 + th + 5, WHITE));
    EXPECT_TRUE(rect_is(100, 42, 162, 40 + th + 3, WHITE));
    EXPECT_EQ(screen_pixel(100, 40 + th + 6), MAGENTA); // row taller than the field
}

TEST_F(Win95Edit, CaretShowsOnlyWhenFocusedAndBlinkIsOn)
{
    const int th = text_height(font);
    w95_blink = 1;
    DIALOG d = edit(D_GOTFOCUS, 5);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(caret_pixels(), th + 1);

    w95_blink = 0;
    clear_test_screen();
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(caret_pixels(), 0);

    w95_blink = 1;
    clear_test_screen();
    DIALOG unfocused = edit(0, 5);
    theme_edit_proc(MSG_DRAW, &unfocused, 0);
    EXPECT_EQ(caret_pixels(), 0);
    w95_blink = 0;
}

TEST_F(Win95Edit, DisabledTextIsGrey165)
{
    DIALOG d = edit(D_DISABLED, 0);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_GT(count_colour(44, 44, 84, 51, GREY165), 10);
    EXPECT_EQ(count_colour(44, 44, 84, 51, BLACK), 0);
}

TEST_F(Win95Edit, BlinkChangeMarksTheFocusedFieldForRedrawing)
{
    DIALOG d = edit(D_GOTFOCUS, 0);
    theme_edit_proc(MSG_IDLE, &d, 0); // catch up with the current flag
    d.flags &= ~D_DIRTY;
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(d.flags & D_DIRTY);
    w95_blink = !w95_blink;
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_TRUE(d.flags & D_DIRTY);
    d.flags &= ~D_DIRTY;
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_FALSE(d.flags & D_DIRTY);

    // An unfocused field earlier in the dialog does not take the change
    // away from the focused one.
    DIALOG other = edit(0, 0);
    w95_blink = !w95_blink;
    theme_edit_proc(MSG_IDLE, &other, 0);
    EXPECT_FALSE(other.flags & D_DIRTY);
    theme_edit_proc(MSG_IDLE, &d, 0);
    EXPECT_TRUE(d.flags & D_DIRTY);
    w95_blink = 0;
}

TEST_F(Win95Edit, KeepsTheFocusAndEditsThroughAllegro)
{
    DIALOG d = edit(D_GOTFOCUS, 5);
    EXPECT_EQ(theme_edit_proc(MSG_LOSTFOCUS, &d, 0), D_WANTFOCUS);
    EXPECT_EQ(theme_edit_proc(MSG_LOSTMOUSE, &d, 0), D_WANTFOCUS);
    theme_edit_proc(MSG_UCHAR, &d, '!');
    EXPECT_STREQ(text, "Sloop!");
    EXPECT_EQ(d.x, 40);
    EXPECT_EQ(d.y, 40);
    EXPECT_EQ(edit_shift_depth, 0);
    // The redraw from inside the edit logic lands at the row's corner.
    EXPECT_EQ(screen_pixel(40, 40), GREY149);
}

// ---- lists, text box, slider ----

int list_size = 0;
char *list_getter(int index, int *size)
{
    static char item[32];
    if (index < 0) {
        *size = list_size;
        return nullptr;
    }
    std::snprintf(item, sizeof item, "Item %d", index);
    return item;
}

TEST_F(Win95Look, ShortListHasNoScrollBarAndWhiteEmptyRows)
{
    const int th = text_height(font);
    list_size = 3;
    DIALOG d = row(20, 20, 120, 4 + 10 * th);
    d.dp = reinterpret_cast<void *>(list_getter);
    d.d1 = 1;
    EXPECT_EQ(theme_list_proc(MSG_DRAW, &d, 0), D_O_K);
    // Frame.
    EXPECT_TRUE(hline_is(20, 139, 20, GREY149));
    EXPECT_TRUE(hline_is(21, 138, 21, BLACK));
    EXPECT_TRUE(vline_is(138, 22, 20 + d.h - 3, FACE));
    EXPECT_TRUE(hline_is(21, 139, 20 + d.h - 1, WHITE));
    // Row 1 is selected: blue up to x + w - 3.
    EXPECT_EQ(screen_pixel(137, 22 + th), BLUE);
    EXPECT_EQ(screen_pixel(23, 22 + th), BLUE);
    EXPECT_GT(count_colour(30, 22 + th, 80, 22 + 2 * th - 1, WHITE), 5);
    EXPECT_EQ(screen_pixel(137, 22), WHITE);
    // Rows 4 to 10 are white.
    EXPECT_TRUE(rect_is(22, 22 + 3 * th, 137, 20 + d.h - 3, WHITE));
}

TEST_F(Win95Look, LongListThumbFollowsTheFirstVisibleItem)
{
    list_size = 100;
    DIALOG d = row(20, 20, 120, 84, 0);
    d.dp = reinterpret_cast<void *>(list_getter);
    d.d1 = -1;
    theme_text_list_proc(MSG_DRAW, &d, 0);
    // 10 rows of 100: thumb (50 + 10 * 79) / 100 = 8 long, at the top.
    const int tx = 20 + 120 - 13;
    EXPECT_EQ(screen_pixel(tx, 22), LIGHT);        // thumb's outer highlight
    EXPECT_EQ(screen_pixel(tx + 1, 23), WHITE);
    EXPECT_EQ(screen_pixel(tx + 11, 29), BLACK);   // thumb bottom-right
    EXPECT_TRUE(rect_is(tx, 33, tx + 10, 20 + 84 - 3, LIGHT)); // trough
    // Rows end at x + w - 14.
    EXPECT_EQ(screen_pixel(20 + 120 - 14, 40), WHITE);

    clear_test_screen();
    d.d2 = 50;
    theme_text_list_proc(MSG_DRAW, &d, 0);
    const int ty = 22 + (50 + 79 * 50) / 100;
    EXPECT_EQ(ty, 62);
    EXPECT_TRUE(rect_is(tx, 22, tx + 12, ty + 1 - 2, LIGHT));
    EXPECT_EQ(screen_pixel(tx + 11, ty + 7), BLACK);
    EXPECT_EQ(screen_pixel(tx + 1, ty + 1), WHITE);
}

TEST_F(Win95Look, TextBoxThatFitsStartsAtItsFirstLine)
{
    char story[] = "Fifteen men on a dead man's chest.";
    DIALOG d = row(20, 20, 200, 60, 0, story);
    d.d2 = 3;
    EXPECT_EQ(theme_textbox_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(d.d1, 2); // wrapped onto a second line, both shown
    EXPECT_TRUE(hline_is(20, 219, 20, GREY149));
    EXPECT_GT(count_colour(22, 22, 217, 77, BLACK), 20);
    EXPECT_EQ(screen_pixel(216, 70), WHITE); // no scroll bar
}

TEST_F(Win95Look, SliderThumbSitsAtTheRoundedPosition)
{
    DIALOG h = row(20, 200, 100, 20);
    h.d1 = 10;
    h.d2 = 5;
    EXPECT_EQ(theme_slider_proc(MSG_DRAW, &h, 0), D_O_K);
    // Sunken trough, then a raised thumb 28 wide at x + 34 + 2.
    EXPECT_EQ(screen_pixel(20, 200), SHADOW);
    EXPECT_EQ(screen_pixel(119, 219), WHITE);
    EXPECT_EQ(screen_pixel(56, 202), LIGHT);
    EXPECT_EQ(screen_pixel(83, 217), BLACK);
    EXPECT_EQ(screen_pixel(55, 210), FACE);

    // Vertical: value 0 at the bottom.
    DIALOG v = row(200, 100, 20, 100);
    v.d1 = 10;
    v.d2 = 0;
    theme_slider_proc(MSG_DRAW, &v, 0);
    EXPECT_EQ(screen_pixel(202, 170), LIGHT);
    EXPECT_EQ(screen_pixel(217, 197), BLACK);

    // A maximum of 0 does not divide by zero.
    DIALOG zero = row(300, 100, 100, 20);
    theme_slider_proc(MSG_DRAW, &zero, 0);
    EXPECT_EQ(screen_pixel(302, 102), LIGHT);
}

// ---- menus ----

TEST_F(Win95Look, MenuIsRaisedGrey)
{
    w95_draw_menu(10, 10, 50, 30);
    EXPECT_TRUE(hline_is(10, 58, 10, WHITE));
    EXPECT_TRUE(vline_is(10, 10, 38, WHITE));
    EXPECT_TRUE(vline_is(59, 10, 39, BLACK));
    EXPECT_TRUE(hline_is(11, 58, 38, GREY149));
    EXPECT_TRUE(hline_is(10, 59, 39, BLACK));
    EXPECT_TRUE(rect_is(11, 11, 57, 37, FACE));
}

TEST_F(Win95Look, HighlightedPopupItemIsGreyOnBlue)
{
    char label[] = "Plunder";
    MENU m = {label, nullptr, nullptr, 0, nullptr};
    w95_draw_menu_item(&m, 10, 10, 100, 12, 0, 1);
    EXPECT_EQ(screen_pixel(10, 10), BLUE);
    EXPECT_EQ(screen_pixel(109, 21), BLUE);
    EXPECT_GT(count_colour(18, 11, 80, 19, FACE), 10);
    EXPECT_EQ(count_colour(18, 11, 80, 19, BLACK), 0);

    // Not highlighted: black on the face.
    w95_draw_menu_item(&m, 10, 40, 100, 12, 0, 0);
    EXPECT_EQ(screen_pixel(10, 40), FACE);
    EXPECT_GT(count_colour(18, 41, 80, 49, BLACK), 10);

    // Disabled: grey 149 even when highlighted.
    m.flags = D_DISABLED;
    w95_draw_menu_item(&m, 10, 70, 100, 12, 0, 1);
    EXPECT_EQ(screen_pixel(10, 70), FACE);
    EXPECT_GT(count_colour(18, 71, 80, 79, GREY149), 10);
}

TEST_F(Win95Look, OpenMenuBarItemIsRaisedOnTheFace)
{
    char label[] = "File";
    MENU m = {label, nullptr, nullptr, 0, nullptr};
    w95_draw_menu_item(&m, 10, 10, 60, 12, 1, 1);
    EXPECT_TRUE(hline_is(10, 69, 10, WHITE));
    EXPECT_TRUE(vline_is(10, 10, 21, WHITE));
    EXPECT_TRUE(hline_is(11, 69, 21, GREY149));
    EXPECT_TRUE(vline_is(69, 11, 21, GREY149));
    EXPECT_EQ(screen_pixel(12, 12), FACE);
    EXPECT_GT(count_colour(18, 11, 48, 20, BLACK), 5);
}

TEST_F(Win95Look, SeparatorShortcutAndSubmenuArrow)
{
    const int th = text_height(font);
    char empty[] = "";
    MENU child[] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    MENU sep = {empty, nullptr, child, 0, nullptr};
    w95_draw_menu_item(&sep, 10, 10, 100, 12, 0, 0);
    EXPECT_TRUE(hline_is(14, 106, 10 + th / 2 + 2, GREY149));
    EXPECT_TRUE(hline_is(14, 106, 10 + th / 2 + 3, LIGHT));
    EXPECT_EQ(count_colour(95, 10, 109, 21, BLACK), 0); // no arrow on a separator

    char both[] = "Save\tF2";
    MENU item = {both, nullptr, child, 0, nullptr};
    w95_draw_menu_item(&item, 10, 40, 100, 12, 0, 0);
    // The arrow at (x + w - 12, y + (h - 7)/2), the shortcut ending 10
    // pixels left of x + w.
    EXPECT_EQ(screen_pixel(98, 42), BLACK);
    EXPECT_EQ(screen_pixel(105, 45), BLACK);
    int left, top;
    ink_corner(60, 41, 99, 50, BLACK, &left, &top);
    EXPECT_EQ(left, 110 - 10 - text_length(font, "F2"));
}

TEST_F(Win95Look, OverlongMenuLabelIsCutNotOverrun)
{
    std::string text(600, 'A');
    text += "\tCtrl+Q";
    MENU m = {&text[0], nullptr, nullptr, 0, nullptr};
    w95_draw_menu_item(&m, 0, 100, 640, 12, 0, 0);
    EXPECT_EQ(text.size(), 607u); // the item's own text is untouched
    EXPECT_GT(count_colour(8, 101, 200, 110, BLACK), 100);
}

TEST_F(Win95Look, DrawsWithoutItsImagesWhenTheyCouldNotBeMade)
{
    // As if create_bitmap had failed at init.
    w95_free_bitmaps();
    DIALOG radio = row(20, 20, 100, 20, D_SELECTED, "Aye");
    theme_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(20, 20), FACE);
    DIALOG check = row(20, 60, 100, 20, D_SELECTED, "Aye");
    theme_check_proc(MSG_DRAW, &check, 0);
    EXPECT_EQ(screen_pixel(24, 66), WHITE);
    char label[] = "More";
    MENU child[] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    MENU m = {label, nullptr, child, 0, nullptr};
    w95_draw_menu_item(&m, 10, 100, 100, 12, 0, 0);
    EXPECT_GT(count_colour(18, 101, 60, 110, BLACK), 5);
}

} // namespace
