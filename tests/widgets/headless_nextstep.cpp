// The "NeXTStep" look drawn on the memory screen and read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/nextstep.h"

namespace {

const Rgb MAGENTA = rgb16(255, 0, 255);  // the untouched test screen
const Rgb BLACK = rgb16(0, 0, 0);
const Rgb WHITE = rgb16(255, 255, 255);
const Rgb GREY = rgb16(189, 189, 189);
const Rgb DARK = rgb16(123, 123, 123);
const Rgb DISABLED = rgb16(127, 127, 127);

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    bool empty() const { return x2 < 0; }
};

Box find_colour(int x1, int y1, int x2, int y2, Rgb c)
{
    Box b;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (screen_pixel(x, y) == c) {
                b.x1 = std::min(b.x1, x);
                b.y1 = std::min(b.y1, y);
                b.x2 = std::max(b.x2, x);
                b.y2 = std::max(b.y2, y);
            }
    return b;
}

int item_count = 5;

char *items(int index, int *list_size)
{
    static char text[] = "rum";
    if (index < 0) {
        *list_size = item_count;
        return nullptr;
    }
    return text;
}

DIALOG row(int x, int y, int w, int h, int flags = 0, void *dp = nullptr)
{
    DIALOG d;
    std::memset(&d, 0, sizeof d);
    d.x = x;
    d.y = y;
    d.w = w;
    d.h = h;
    d.flags = flags;
    d.dp = dp;
    return d;
}

struct NextstepTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        init_theme(theme_nextstep);
        clear_test_screen();
        item_count = 5;
    }
    void TearDown() override { shutdown_theme(); }

    // A list 120 wide and ten rows high at (20, 20).
    DIALOG list_row()
    {
        DIALOG d = row(20, 20, 120, 4 + 10 * text_height(font), 0, reinterpret_cast<void *>(items));
        d.d1 = -1;
        return d;
    }
};

TEST_F(NextstepTest, IsRegisteredAndPublishesItsColours)
{
    EXPECT_EQ(find_theme("NeXTStep"), theme_nextstep);
    EXPECT_EQ(find_theme("NextStep"), nullptr);
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_bg_color, makecol(189, 189, 189));
    EXPECT_EQ(theme_mg_color, makecol(127, 127, 127));
}

TEST_F(NextstepTest, TemplatesPaintEveryPixelInFourShades)
{
    ASSERT_NE(nextstep_radio_off, nullptr);
    EXPECT_EQ(pixel_at(nextstep_radio_off, 0, 0), GREY);  // a blank is face grey, not a hole
    EXPECT_EQ(pixel_at(nextstep_radio_off, 0, 5), DARK);
    EXPECT_EQ(pixel_at(nextstep_radio_off, 1, 5), BLACK);
    EXPECT_EQ(pixel_at(nextstep_radio_off, 14, 9), WHITE);
    EXPECT_EQ(pixel_at(nextstep_radio_on, 5, 6), WHITE);
    EXPECT_EQ(pixel_at(nextstep_arrow_selected, 6, 3), GREY);  // 'a'
    EXPECT_EQ(pixel_at(nextstep_arrow, 0, 6), BLACK);
    EXPECT_EQ(pixel_at(nextstep_dimple, 2, 0), BLACK);
    const int mask = bitmap_mask_color(nextstep_dimple);
    for (BITMAP *b : {nextstep_radio_off, nextstep_radio_on, nextstep_dimple, nextstep_arrow,
                      nextstep_arrow_selected})
        for (int y = 0; y < b->h; ++y)
            for (int x = 0; x < b->w; ++x) ASSERT_NE(getpixel(b, x, y), mask) << x << "," << y;
}

TEST_F(NextstepTest, RaisedBevelHasWhiteTopLeftDarkInnerShadowBlackOutline)
{
    nextstep_bevel(screen, 10, 10, 30, 20, BEVEL_RAISED);
    EXPECT_TRUE(hline_is(10, 38, 10, WHITE));
    EXPECT_TRUE(vline_is(10, 10, 28, WHITE));
    EXPECT_TRUE(hline_is(10, 39, 29, BLACK));
    EXPECT_TRUE(vline_is(39, 10, 29, BLACK));
    EXPECT_TRUE(hline_is(11, 38, 28, DARK));
    EXPECT_TRUE(vline_is(38, 11, 28, DARK));
    EXPECT_TRUE(rect_is(11, 11, 37, 27, GREY));
}

TEST_F(NextstepTest, PressedButtonIsWhiteWithBlackTopLeftAndSunkenLabel)
{
    char label[] = "W";
    DIALOG up = row(50, 50, 60, 20, 0, label);
    nextstep_button_proc(MSG_DRAW, &up, 0);
    const Box text_up = find_colour(52, 52, 107, 67, BLACK);

    clear_test_screen();
    DIALOG down = row(50, 50, 60, 20, D_SELECTED, label);
    nextstep_button_proc(MSG_DRAW, &down, 0);
    EXPECT_TRUE(hline_is(50, 108, 50, BLACK));
    EXPECT_TRUE(vline_is(50, 50, 68, BLACK));
    EXPECT_TRUE(hline_is(51, 109, 69, WHITE));  // no outline bottom and right
    EXPECT_TRUE(vline_is(109, 50, 69, WHITE));
    EXPECT_EQ(screen_pixel(55, 55), WHITE);
    const Box text_down = find_colour(52, 52, 107, 67, BLACK);

    ASSERT_FALSE(text_up.empty());
    EXPECT_EQ(text_down.x1, text_up.x1 + 1);
    EXPECT_EQ(text_down.y1, text_up.y1 + 1);
    EXPECT_EQ(text_down.x2, text_up.x2 + 1);
    EXPECT_EQ(text_down.y2, text_up.y2 + 1);
}

TEST_F(NextstepTest, DisabledButtonLabelIsGrey)
{
    char label[] = "W";
    DIALOG d = row(50, 50, 60, 20, D_DISABLED, label);
    nextstep_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(find_colour(52, 52, 107, 67, BLACK).empty());
    EXPECT_FALSE(find_colour(52, 52, 107, 67, DISABLED).empty());
}

TEST_F(NextstepTest, CheckBoxAndRadioButton)
{
    DIALOG check = row(10, 10, 80, 20);
    const int cy = 10 + 10 - 8;
    nextstep_check_proc(MSG_DRAW, &check, 0);
    EXPECT_EQ(screen_pixel(14, cy + 11), GREY);
    check.flags = D_SELECTED;
    nextstep_check_proc(MSG_DRAW, &check, 0);
    EXPECT_EQ(screen_pixel(14, cy + 11), BLACK);
    EXPECT_EQ(screen_pixel(14, cy + 6), WHITE);

    DIALOG radio = row(10, 40, 80, 20);
    nextstep_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(15, 43 + 6), GREY);
    radio.flags = D_SELECTED;
    nextstep_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(15, 43 + 6), WHITE);
}

TEST_F(NextstepTest, ItemUnderSelectionIsBlackOnWhiteEvenWhenMarked)
{
    char marks[5] = {0, 1, 1, 0, 0};
    DIALOG d = list_row();
    d.d1 = 1;
    d.dp2 = marks;
    const int th = text_height(font);
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(22, 22), GREY);            // plain
    EXPECT_EQ(screen_pixel(22, 22 + th), WHITE);      // d1, though marked
    EXPECT_FALSE(find_colour(30, 22 + th, 60, 22 + 2 * th - 1, BLACK).empty());
    EXPECT_EQ(screen_pixel(22, 22 + 2 * th), DARK);   // marked
    EXPECT_FALSE(find_colour(30, 22 + 2 * th, 60, 22 + 3 * th - 1, WHITE).empty());
    EXPECT_EQ(screen_pixel(137, 22 + 2 * th), DARK);  // rows reach x+w-3 without a bar
    EXPECT_TRUE(rect_is(22, 22 + 5 * th, 137, 22 + 10 * th - 1, GREY));

    d.dp2 = nullptr;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(22, 22 + 2 * th), GREY);
}

TEST_F(NextstepTest, ListThatFitsHasNoScrollBar)
{
    item_count = 10;
    DIALOG d = list_row();
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(count_colour(20 + 120 - 13, 22, 20 + 120 - 12, 20 + d.h - 3, BLACK), 0);
    item_count = 11;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(139 - 12, 21, 20 + d.h - 2, BLACK));
}

TEST_F(NextstepTest, KnobShowsDimpleOnlyFromLengthEleven)
{
    DIALOG d = list_row();
    const int r = 20 + 120 - 1;
    // Ten rows over h-5 = 79 pixels: 79 items give a knob 10 long, 72 one 11 long.
    item_count = 79;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(r - 11, 21, 30, WHITE));  // knob from kt-1, kl+1 high
    EXPECT_EQ(screen_pixel(r - 11, 31), BLACK);
    EXPECT_EQ(screen_pixel(r - 11, 32), GREY);
    EXPECT_EQ(screen_pixel(r - 7, 22 + 5 - 3), GREY);

    item_count = 72;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(r - 7, 22 + 5 - 3), BLACK);
    EXPECT_EQ(screen_pixel(r - 9, 22 + 5 - 3), GREY);
}

TEST_F(NextstepTest, KnobThatWouldRunPastTheBottomEndsAboveIt)
{
    DIALOG d = list_row();
    item_count = 20;
    d.d2 = 10;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    const int r = 20 + 120 - 1, b = 20 + d.h - 1;
    EXPECT_EQ(screen_pixel(r - 6, b - 1), BLACK);   // knob outline at y+h-2
    EXPECT_EQ(screen_pixel(r - 6, b), WHITE);       // the frame below it
    EXPECT_EQ(screen_pixel(r - 11, 20 + 42 - 1), WHITE);  // knob top at kt-1
    EXPECT_EQ(screen_pixel(r - 6, 20 + 42 - 2), GREY);    // trough above it
}

TEST_F(NextstepTest, EditFieldIsThPlusSixHighWithSteadyCaret)
{
    char text[32] = "";
    const int th = text_height(font);
    DIALOG d = row(50, 50, 125, 40, D_GOTFOCUS, text);
    for (int pass = 0; pass < 3; ++pass) {
        nextstep_edit_proc(MSG_DRAW, &d, 0);
        EXPECT_TRUE(vline_is(53, 53, 50 + th + 3, BLACK)) << pass;
    }
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 5, WHITE));
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 6, MAGENTA));
    EXPECT_TRUE(hline_is(50, 173, 50, DARK));
    EXPECT_TRUE(hline_is(51, 172, 51, DARK));
    EXPECT_EQ(screen_pixel(52, 52), WHITE);

    d.flags = 0;
    nextstep_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(count_colour(52, 52, 172, 50 + th + 3, BLACK), 0);
}

TEST_F(NextstepTest, EditFieldScrollsToKeepTheCaretInView)
{
    char text[64] = "fifteen men on a dead mans chest";
    DIALOG d = row(50, 50, 60, 20, D_GOTFOCUS, text);
    d.d2 = 32;
    nextstep_edit_proc(MSG_DRAW, &d, 0);
    // The caret sits in the last cell drawn, so it is inside the field.
    const Box caret = find_colour(54, 53, 105, 53, BLACK);
    ASSERT_FALSE(caret.empty());
    EXPECT_LE(caret.x2, 50 + 60 - 4);
    EXPECT_EQ(std::strlen(text), 32u);
}

TEST_F(NextstepTest, SquareSliderIsVertical)
{
    DIALOG d = row(100, 100, 40, 40);
    d.d1 = 10;
    d.d2 = 0;
    nextstep_slider_proc(MSG_DRAW, &d, 0);
    // Value 0 puts the knob at the bottom: kt = y+h-1-19.
    EXPECT_TRUE(hline_is(101, 137, 120, WHITE));
    EXPECT_EQ(screen_pixel(120, 110), DARK);  // trough above the knob
    EXPECT_EQ(screen_pixel(100, 100), BLACK);
    EXPECT_EQ(screen_pixel(139, 139), WHITE);
}

TEST_F(NextstepTest, SliderWithZeroMaximumKeepsKnobAtTheStart)
{
    DIALOG d = row(100, 100, 100, 20);
    d.d1 = 0;
    d.d2 = 7;
    nextstep_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(101, 101, 117, WHITE));  // knob's left edge at x+1
}

TEST_F(NextstepTest, WindowHasBlackTitleBarWithWhiteTitle)
{
    char title[] = "Brig";
    const int th = text_height(font);
    DIALOG d = row(50, 50, 200, 100, 0, title);
    nextstep_window_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(60, 53), BLACK);
    EXPECT_TRUE(hline_is(51, 248, 51, GREY));
    EXPECT_TRUE(hline_is(52, 247, 50 + th + 6, DARK));
    EXPECT_TRUE(hline_is(50, 249, 50 + th + 7, BLACK));
    EXPECT_TRUE(rect_is(51, 50 + th + 8, 248, 148, GREY));
    const Box text = find_colour(52, 52, 247, 50 + th + 5, WHITE);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.y1 >= 55, true);
    EXPECT_NEAR((text.x1 + text.x2) / 2, 150, 4);
}

TEST_F(NextstepTest, TextBoxThatFitsUsesTheWholeWidth)
{
    char text[] = "Yo ho ho.";
    DIALOG d = row(20, 20, 200, 60, 0, text);
    d.d2 = 2;
    nextstep_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(count_colour(20 + 200 - 13, 22, 20 + 200 - 12, 77, BLACK), 0);
}

TEST_F(NextstepTest, HighlightedPopupItemIsWhiteButDisabledOneStaysGrey)
{
    char text[] = "Hoist";
    MENU item = {text, nullptr, nullptr, 0, nullptr};
    nextstep_draw_menu_item(&item, 10, 10, 80, 12, 0, 1);
    EXPECT_EQ(screen_pixel(80, 15), WHITE);
    EXPECT_EQ(screen_pixel(89, 21), BLACK);

    item.flags = D_DISABLED;
    nextstep_draw_menu_item(&item, 10, 30, 80, 12, 0, 1);
    EXPECT_EQ(screen_pixel(80, 35), GREY);
    EXPECT_TRUE(find_colour(12, 31, 80, 40, BLACK).empty());
    EXPECT_FALSE(find_colour(12, 31, 80, 40, DISABLED).empty());
}

TEST_F(NextstepTest, SubmenuArrowFollowsTheHighlight)
{
    char text[] = "Charts";
    MENU sub[] = {{text, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU item = {text, nullptr, sub, 0, nullptr};
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 0, 0);
    EXPECT_EQ(screen_pixel(10 + 80 - 12, 13), BLACK);
    EXPECT_EQ(screen_pixel(10 + 80 - 12 + 1, 13), DARK);
    EXPECT_EQ(screen_pixel(10 + 80 - 12 + 2, 13), GREY);
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 0, 1);
    EXPECT_EQ(screen_pixel(10 + 80 - 12 + 2, 13), WHITE);
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 1, 0);  // no arrow on the bar
    EXPECT_EQ(screen_pixel(10 + 80 - 12, 13), GREY);
}

TEST_F(NextstepTest, ShutdownClearsHooksAndLookCanReturn)
{
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gui_menu_draw_menu, nextstep_draw_menu);
        EXPECT_EQ(gui_menu_draw_menu_item, nextstep_draw_menu_item);
        ASSERT_NE(nextstep_dimple, nullptr);
        shutdown_theme();
        EXPECT_EQ(gui_menu_draw_menu, nullptr);
        EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
        EXPECT_EQ(nextstep_dimple, nullptr);
        EXPECT_EQ(nextstep_radio_off, nullptr);
        init_theme(theme_nextstep);
    }
}

TEST_F(NextstepTest, MissingImagesAreSkippedNotDereferenced)
{
    nextstep_destroy_bitmaps();  // as if create_bitmap had failed at init
    DIALOG radio = row(10, 10, 80, 20, D_SELECTED);
    EXPECT_EQ(nextstep_radio_proc(MSG_DRAW, &radio, 0), D_O_K);
    DIALOG list = list_row();
    item_count = 40;
    EXPECT_EQ(nextstep_list_proc(MSG_DRAW, &list, 0), D_O_K);
    char text[] = "Charts";
    MENU sub[] = {{text, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU item = {text, nullptr, sub, 0, nullptr};
    nextstep_draw_menu_item(&item, 10, 200, 80, 12, 0, 1);
    nextstep_build_bitmaps();
}

}  // namespace

namespace {

// Allegro's own menu code calls the hooks: the bar is a raised bevel and its
// item a raised bevel of its own.
TEST_F(NextstepTest, MenuBarDrawnByAllegroIsBevelled)
{
    char file[] = "File", quit[] = "Quit\tCtrl+Q";
    MENU file_menu[] = {{quit, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU bar[] = {{file, nullptr, file_menu, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    DIALOG d = row(20, 20, 0, 0, 0, bar);
    d.proc = theme_menu_proc;
    theme_menu_proc(MSG_START, &d, 0);
    theme_menu_proc(MSG_DRAW, &d, 0);
    ASSERT_GT(d.w, 0);
    EXPECT_EQ(screen_pixel(20, 20), WHITE);
    EXPECT_EQ(screen_pixel(20 + d.w - 1, 20 + d.h - 1), BLACK);
    EXPECT_FALSE(find_colour(22, 22, 20 + d.w - 3, 20 + d.h - 3, BLACK).empty());  // "File"
    theme_menu_proc(MSG_END, &d, 0);
}

}  // namespace
