// The "NeXTStep" look drawn on the memory screen and read back pixel by pixel.
#include <gtest/gtest.h>

#include "headless_photon_nextstep.h"
#include "heap_bytes.h"
#include "widgets/theme.h"
#include "widgets/looks/nextstep/look.h"

namespace {

using namespace looks_test;

const Rgb GREY = rgb16(189, 189, 189);
const Rgb DARK = rgb16(123, 123, 123);
const Rgb DISABLED = rgb16(127, 127, 127);

struct NextstepTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        init_theme(theme_nextstep);
        clear_test_screen();
        list_items = 5;
    }
    void TearDown() override { shutdown_theme(); }

    // A list 120 wide and ten rows high at (20, 20); its right column is 139.
    DIALOG list_row()
    {
        DIALOG d = row(20, 20, 120, 4 + 10 * text_height(font), 0, reinterpret_cast<void *>(list_getter));
        d.d1 = -1;
        return d;
    }
};

TEST_F(NextstepTest, TemplatesPaintEveryPixelInFourShades)
{
    EXPECT_EQ(pixel_at(nextstep_radio_off, 0, 0), GREY);  // a blank is face grey, not a hole
    EXPECT_EQ(pixel_at(nextstep_radio_off, 0, 5), DARK);
    EXPECT_EQ(pixel_at(nextstep_arrow_selected, 6, 3), GREY);  // 'a'
    const int mask = bitmap_mask_color(nextstep_dimple);
    for (BITMAP *b : {nextstep_radio_off, nextstep_radio_on, nextstep_dimple, nextstep_arrow, nextstep_arrow_selected})
        for (int y = 0; y < b->h; ++y)
            for (int x = 0; x < b->w; ++x) ASSERT_NE(getpixel(b, x, y), mask) << x << "," << y;
}

TEST_F(NextstepTest, PressedButtonIsWhiteWithBlackTopLeftAndSunkenLabel)
{
    char label[] = "W";
    DIALOG up = row(50, 50, 60, 20, 0, label);
    nextstep_button_proc(MSG_DRAW, &up, 0);
    EXPECT_TRUE(hline_is(51, 108, 68, DARK));
    EXPECT_TRUE(hline_is(50, 109, 69, BLACK));
    const Box text_up = find_colour(52, 52, 107, 67, BLACK);

    DIALOG down = row(50, 50, 60, 20, D_SELECTED, label);
    nextstep_button_proc(MSG_DRAW, &down, 0);
    EXPECT_TRUE(hline_is(50, 108, 50, BLACK));
    EXPECT_TRUE(vline_is(50, 50, 68, BLACK));
    EXPECT_TRUE(hline_is(51, 109, 69, WHITE));  // no outline bottom and right
    EXPECT_TRUE(vline_is(109, 50, 69, WHITE));
    ASSERT_FALSE(text_up.empty());
    EXPECT_TRUE(find_colour(52, 52, 107, 67, BLACK).moved_by_one(text_up));

    DIALOG off = row(50, 80, 60, 20, D_DISABLED, label);
    nextstep_button_proc(MSG_DRAW, &off, 0);
    EXPECT_FALSE(find_colour(52, 82, 107, 97, DISABLED).empty());
}

TEST_F(NextstepTest, ItemUnderSelectionIsBlackOnWhiteEvenWhenMarked)
{
    char marks[5] = {0, 1, 1, 0, 0};
    DIALOG d = list_row();
    d.d1 = 1;
    d.dp2 = marks;
    const int th = text_height(font);
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(22, 22), GREY);
    EXPECT_EQ(screen_pixel(22, 22 + th), WHITE);
    EXPECT_FALSE(find_colour(30, 22 + th, 60, 22 + 2 * th - 1, BLACK).empty());
    EXPECT_EQ(screen_pixel(22, 22 + 2 * th), DARK);
    EXPECT_FALSE(find_colour(30, 22 + 2 * th, 60, 22 + 3 * th - 1, WHITE).empty());
    EXPECT_EQ(screen_pixel(137, 22 + 2 * th), DARK);  // no bar: rows reach x+w-3
    EXPECT_TRUE(rect_is(22, 22 + 5 * th, 137, 22 + 10 * th - 1, GREY));
    d.dp2 = nullptr;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(22, 22 + 2 * th), GREY);
    list_items = 11;  // one more than fits: the scroll bar's black edge appears
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(127, 21, 20 + d.h - 2, BLACK));
}

TEST_F(NextstepTest, KnobShowsDimpleOnlyFromLengthEleven)
{
    // Ten rows over h-5 = 79 pixels: 79 items give a knob 10 long, 72 one 11.
    DIALOG d = list_row();
    list_items = 79;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(128, 21, 30, WHITE));  // from kt-1, kl+1 high
    EXPECT_EQ(screen_pixel(128, 31), BLACK);
    EXPECT_EQ(screen_pixel(132, 24), GREY);
    list_items = 72;
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(132, 24), BLACK);  // the dimple at (R-9, kt+kl/2-3)
}

TEST_F(NextstepTest, KnobThatWouldRunPastTheBottomEndsAboveIt)
{
    DIALOG d = list_row();
    list_items = 20;
    d.d2 = 10;  // knob 40 long from y+42: it would reach y+82
    nextstep_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(128, 61), WHITE);   // top at kt-1
    EXPECT_EQ(screen_pixel(133, 102), BLACK);  // outline at y+h-2
    EXPECT_EQ(screen_pixel(133, 103), WHITE);  // the frame below
}

TEST_F(NextstepTest, EditFieldIsThPlusSixHighWithSteadyCaret)
{
    char text[32] = "";
    const int th = text_height(font);
    DIALOG d = row(50, 50, 125, 40, D_GOTFOCUS, text);
    for (int pass = 0; pass < 3; ++pass) {
        nextstep_edit_proc(MSG_DRAW, &d, 0);
        EXPECT_TRUE(vline_is(53, 53, 50 + th + 3, BLACK)) << pass;  // empty text: caret at x+3
    }
    EXPECT_TRUE(hline_is(50, 173, 50, DARK));
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 5, WHITE));
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 6, MAGENTA));
    d.flags = 0;
    nextstep_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(count_colour(52, 52, 172, 50 + th + 3, BLACK), 0);
}

TEST_F(NextstepTest, SquareSliderIsVerticalAndZeroMaximumKeepsKnobAtStart)
{
    DIALOG d = row(100, 100, 40, 40);
    d.d1 = 10;
    nextstep_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(101, 137, 120, WHITE));  // knob top at y+h-1-19
    EXPECT_EQ(screen_pixel(120, 110), DARK);
    DIALOG flat = row(200, 100, 100, 20);
    flat.d2 = 7;
    nextstep_slider_proc(MSG_DRAW, &flat, 0);
    EXPECT_TRUE(vline_is(201, 101, 117, WHITE));
}

TEST_F(NextstepTest, TextBoxThatFitsUsesTheWholeWidth)
{
    char text[] = "Yo ho ho.";
    DIALOG d = row(20, 20, 200, 60, 0, text);
    d.d2 = 2;
    nextstep_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(count_colour(207, 22, 208, 77, BLACK), 0);
}

TEST_F(NextstepTest, PopupItemsAndTheirArrow)
{
    MenuBar menu;
    MENU item = {menu.file, nullptr, menu.items, 0, nullptr};
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 0, 1);
    EXPECT_EQ(screen_pixel(70, 15), WHITE);  // a white bevel
    EXPECT_EQ(screen_pixel(78, 13), BLACK);  // the highlighted arrow at (x+w-12, y+(h-7)/2)
    EXPECT_EQ(screen_pixel(80, 13), WHITE);
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 0, 0);
    EXPECT_EQ(screen_pixel(78, 13), BLACK);
    EXPECT_EQ(screen_pixel(80, 13), GREY);
    nextstep_draw_menu_item(&item, 10, 10, 80, 13, 1, 0);  // none on the bar
    EXPECT_EQ(screen_pixel(78, 13), GREY);

    item.flags = D_DISABLED;
    item.child = nullptr;
    nextstep_draw_menu_item(&item, 10, 30, 80, 12, 0, 1);
    EXPECT_EQ(screen_pixel(80, 35), GREY);
    EXPECT_TRUE(find_colour(12, 31, 80, 40, BLACK).empty());
    EXPECT_FALSE(find_colour(12, 31, 80, 40, DISABLED).empty());
}

TEST_F(NextstepTest, ShutdownClearsHooksAndImagesAndLookCanReturn)
{
    EXPECT_EQ(find_theme("NeXTStep"), theme_nextstep);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(theme_bg_color, makecol(189, 189, 189));
        EXPECT_EQ(gui_menu_draw_menu, nextstep_draw_menu);
        ASSERT_NE(nextstep_dimple, nullptr);
        shutdown_theme();
        EXPECT_EQ(gui_menu_draw_menu, nullptr);
        EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
        EXPECT_EQ(nextstep_radio_off, nullptr);
        init_theme(theme_nextstep);
    }
    // Made current again without a shutdown, the look frees its last images
    // (the leak checker ignores Allegro's bitmaps, so the heap is weighed).
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 50; ++i) init_theme(theme_nextstep);
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    EXPECT_NE(nextstep_dimple, nullptr);
}

TEST_F(NextstepTest, MissingImagesAreSkippedNotDereferenced)
{
    nextstep_destroy_bitmaps();  // as if create_bitmap had failed at init
    DIALOG radio = row(10, 10, 80, 20, D_SELECTED);
    nextstep_radio_proc(MSG_DRAW, &radio, 0);
    DIALOG list = list_row();
    list_items = 40;
    nextstep_list_proc(MSG_DRAW, &list, 0);
    MenuBar menu;
    MENU item = {menu.file, nullptr, menu.items, 0, nullptr};
    nextstep_draw_menu_item(&item, 10, 200, 80, 12, 0, 1);
    nextstep_build_bitmaps();
}

}  // namespace
