// The "Photon" look drawn on the memory screen and read back pixel by pixel.
#include <gtest/gtest.h>

#include <string>

#include "headless_photon_nextstep.h"
#include "heap_bytes.h"
#include "widgets/theme.h"
#include "widgets/looks/photon/look.h"

namespace {

using namespace looks_test;

const Rgb FACE = rgb16(216, 216, 216);
const Rgb ETCH_DARK = rgb16(75, 75, 75);
const Rgb EDGE_DARK = rgb16(176, 176, 176);
const Rgb FOCUS_BLUE = rgb16(144, 152, 248);
const Rgb LIST_BG = rgb16(248, 248, 248);
const Rgb TROUGH = rgb16(181, 181, 181);
const Rgb GRIP_LIGHT = rgb16(235, 235, 235);

struct PhotonTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        init_theme(theme_photon);
        clear_test_screen();
        list_items = 20;
    }
    void TearDown() override { shutdown_theme(); }
};

TEST_F(PhotonTest, GradientRunsFromStartToEndAndOneLineIsTheStartColour)
{
    const Gradient g = {0, 0, 0, 200, 100, 40};
    photon_gradient(screen, 10, 10, 30, 20, g, 0);
    EXPECT_TRUE(hline_is(10, 30, 10, rgb16(0, 0, 0)));
    EXPECT_TRUE(hline_is(10, 30, 15, rgb16(100, 50, 20)));
    EXPECT_TRUE(hline_is(10, 30, 20, rgb16(200, 100, 40)));
    // A span of one line would divide by zero.
    photon_gradient(screen, 10, 40, 60, 40, g, 0);
    EXPECT_TRUE(hline_is(10, 60, 40, rgb16(0, 0, 0)));
    photon_gradient(screen, 70, 10, 70, 30, g, 1);
    EXPECT_TRUE(vline_is(70, 10, 30, rgb16(0, 0, 0)));
}

TEST_F(PhotonTest, SelectedButtonSwapsEdgesAndMovesLabelButKeepsFace)
{
    char label[] = "W";
    DIALOG up = row(100, 100, 60, 24, 0, label);
    photon_button_proc(MSG_DRAW, &up, 0);
    EXPECT_TRUE(hline_is(102, 156, 102, WHITE));
    EXPECT_TRUE(hline_is(102, 157, 121, EDGE_DARK));
    Rgb face[18];
    for (int i = 0; i < 18; ++i) face[i] = screen_pixel(104, 103 + i);
    EXPECT_EQ(face[0], rgb16(235, 235, 235));
    EXPECT_EQ(face[17], rgb16(195, 195, 195));
    const Box text_up = find_colour(103, 103, 156, 120, BLACK);

    clear_test_screen();
    DIALOG down = row(100, 100, 60, 24, D_SELECTED, label);
    photon_button_proc(MSG_DRAW, &down, 0);
    EXPECT_TRUE(hline_is(102, 156, 102, EDGE_DARK));
    EXPECT_TRUE(hline_is(102, 157, 121, WHITE));
    for (int i = 0; i < 18; ++i) EXPECT_EQ(screen_pixel(104, 103 + i), face[i]) << i;
    ASSERT_FALSE(text_up.empty());
    EXPECT_TRUE(find_colour(103, 103, 156, 120, BLACK).moved_by_one(text_up));
}

TEST_F(PhotonTest, DisabledLabelIsWhiteOnePixelDownRightThenGrey)
{
    BITMAP *glyph = create_bitmap_ex(16, 20, 20);  // which pixels "K" covers
    ASSERT_NE(glyph, nullptr);
    clear_to_color(glyph, 0);
    textout_ex(glyph, font, "K", 2, 2, makecol16(255, 255, 255), -1);
    photon_text(screen, "K", 102, 202, D_DISABLED, FALSE);
    int white = 0;
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 19; ++x) {
            if (!getpixel(glyph, x, y)) continue;
            EXPECT_EQ(screen_pixel(100 + x, 200 + y), rgb16(127, 127, 127));
            if (!getpixel(glyph, x + 1, y + 1)) {
                EXPECT_EQ(screen_pixel(101 + x, 201 + y), WHITE);
                ++white;
            }
        }
    EXPECT_GT(white, 0);
    destroy_bitmap(glyph);
}

TEST_F(PhotonTest, RadioImageIsCopiedOpaque)
{
    // Radio images are copied opaque; row 5, column 6 is the selected dot.
    DIALOG radio = row(10, 40, 80, 20, D_SELECTED);
    photon_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(19, 48), rgb16(75, 75, 75));
    EXPECT_EQ(screen_pixel(13, 43), FACE);
    radio.flags = 0;
    photon_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(19, 48), rgb16(222, 222, 222));
}

TEST_F(PhotonTest, SquareSliderIsVertical)
{
    DIALOG d = row(100, 100, 40, 40);
    d.d1 = 10;
    photon_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(120, 101, 120, ETCH_DARK));  // the groove's centre
    EXPECT_TRUE(hline_is(100, 138, 126, ETCH_DARK));  // knob at the bottom for 0
}

TEST_F(PhotonTest, SliderKnobAndTicks)
{
    // len 90: six ticks 15 apart and one at the end; travel 77 puts value
    // 17 of 77 at x+18, between the second and third tick.
    DIALOG d = row(100, 100, 92, 20);
    d.d1 = 77;
    d.d2 = 17;
    photon_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(vline_is(118, 100, 118, ETCH_DARK));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(screen_pixel(101 + 15 * i, 117), GRIP_LIGHT) << i;
    EXPECT_EQ(screen_pixel(190, 117), GRIP_LIGHT);
    EXPECT_EQ(screen_pixel(191, 118), rgb16(108, 108, 108));
}

TEST_F(PhotonTest, ShortSliderWithZeroMaximumDrawsKnobAtStartAndNoTicks)
{
    DIALOG d = row(100, 100, 16, 10);  // 14 long: no room for a tick
    d.d2 = 3;
    photon_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(101, 100), ETCH_DARK);
    EXPECT_EQ(screen_pixel(114, 107), FACE);
}

TEST_F(PhotonTest, EditCaretShowsWhileFocusedAndDoesNotBlink)
{
    char text[32] = "ahoy";
    const int th = text_height(font), caret = 50 + 3 + text_length(font, "ahoy");
    DIALOG d = row(50, 50, 125, 40, D_GOTFOCUS, text);
    d.d2 = 99;  // past the end: pulled back to it
    for (int pass = 0; pass < 3; ++pass) {
        photon_edit_proc(MSG_DRAW, &d, 0);
        EXPECT_TRUE(vline_is(caret, 53, 50 + th + 3, BLACK)) << pass;
    }
    EXPECT_EQ(d.d2, 4);
    EXPECT_TRUE(hline_is(54, 170, 50 + th + 4, FOCUS_BLUE));            // the focus underline
    EXPECT_TRUE(hline_is(51, 174, 50 + th + 7, rgb16(201, 201, 201)));  // th+8 high
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 8, MAGENTA));

    d.flags = 0;
    photon_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(count_colour(50, 50, 174, 50 + th + 7, FOCUS_BLUE), 0);
    EXPECT_EQ(screen_pixel(caret, 50 + th + 5), rgb16(244, 244, 244));
}

TEST_F(PhotonTest, ListWhoseItemsFitHasNoScrollBar)
{
    list_items = 3;
    const int th = text_height(font);
    DIALOG d = row(20, 20, 120, 4 + 10 * th, 0, reinterpret_cast<void *>(list_getter));
    d.d1 = 1;
    photon_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(137, 22), LIST_BG);  // rows reach x+w-3
    EXPECT_EQ(screen_pixel(137, 22 + th), rgb16(142, 162, 155));
    EXPECT_TRUE(rect_is(22, 22 + 3 * th, 137, 22 + 10 * th - 1, LIST_BG));
    EXPECT_EQ(count_colour(20, 20, 139, 20 + d.h - 1, TROUGH), 0);
}

TEST_F(PhotonTest, LongListHasScrollBarAndNarrowerRows)
{
    const int th = text_height(font), r = 139;
    DIALOG d = row(20, 20, 120, 4 + 5 * th, 0, reinterpret_cast<void *>(list_getter));
    d.d1 = -1;
    photon_list_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(126, 22), LIST_BG);
    EXPECT_TRUE(vline_is(r - 12, 21, 20 + d.h - 2, ETCH_DARK));
    // 5 of 20 rows over h-4 = 40 pixels: a thumb 10 long at the top.
    EXPECT_TRUE(hline_is(r - 11, r - 3, 22, WHITE));
    EXPECT_TRUE(hline_is(r - 11, r - 2, 32, BLACK));
}

TEST_F(PhotonTest, TextBoxThatFitsUsesTheWholeWidthAndScrollsHome)
{
    char text[] = "Dead men tell no tales.";
    DIALOG d = row(20, 20, 260, 60, 0, text);
    d.d2 = 3;
    photon_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(count_colour(20, 20, 279, 79, TROUGH), 0);
}

TEST_F(PhotonTest, MenuFrameIsDrawnOnceByTheFirstItem)
{
    char text[] = "Hoist";
    MENU item = {text, nullptr, nullptr, 0, nullptr};
    photon_draw_menu(10, 10, 100, 40);
    EXPECT_EQ(screen_pixel(10, 10), MAGENTA);
    photon_draw_menu_item(&item, 12, 12, 96, 12, 0, 0);
    EXPECT_EQ(screen_pixel(10, 10), ETCH_DARK);
    EXPECT_EQ(screen_pixel(60, 45), rgb16(217, 217, 217));
    clear_test_screen();
    photon_draw_menu_item(&item, 12, 24, 96, 12, 0, 1);
    EXPECT_EQ(screen_pixel(10, 10), MAGENTA);
    EXPECT_EQ(screen_pixel(103, 32), FOCUS_BLUE);
}

TEST_F(PhotonTest, DisabledPopupItemShowsNoSelectionButBarItemsAlwaysShade)
{
    char text[] = "File";
    MENU item = {text, nullptr, nullptr, D_DISABLED, nullptr};
    photon_draw_menu_item(&item, 12, 12, 96, 12, 0, 1);
    EXPECT_EQ(count_colour(12, 12, 107, 23, FOCUS_BLUE), 0);
    photon_draw_menu_item(&item, 10, 40, 50, 12, 1, 0);
    EXPECT_TRUE(hline_is(16, 56, 40, WHITE));
    EXPECT_EQ(screen_pixel(56, 41), rgb16(197, 197, 197));
    EXPECT_EQ(screen_pixel(56, 50), rgb16(217, 217, 217));
}

TEST_F(PhotonTest, OverlongMenuLabelIsCutToItsBufferAndShortcutStillDrawn)
{
    std::string text(600, ' ');  // blanks draw nothing, so only the shortcut shows
    text += "\tQ";
    MENU item = {&text[0], nullptr, nullptr, 0, nullptr};
    photon_draw_menu_item(&item, 10, 10, 300, 12, 0, 0);  // no overrun under ASan
    EXPECT_EQ(text.size(), 602u);
    const int qx = 10 + 300 - text_length(font, "Q") - 15;
    const Box q = find_colour(12, 11, 309, 18, BLACK);
    ASSERT_FALSE(q.empty());
    EXPECT_GE(q.x1, qx);
    EXPECT_LE(q.x2, qx + 7);
}

TEST_F(PhotonTest, MenuBarDrawnByAllegroIsFramedByItsFirstItem)
{
    MenuBar menu;
    DIALOG d = row(20, 20, 0, 0, 0, menu.bar);
    d.proc = theme_menu_proc;
    theme_menu_proc(MSG_START, &d, 0);
    theme_menu_proc(MSG_DRAW, &d, 0);
    ASSERT_GT(d.w, 0);
    EXPECT_EQ(screen_pixel(20, 20), ETCH_DARK);
    EXPECT_EQ(screen_pixel(20 + d.w - 1, 20 + d.h - 1), ETCH_DARK);
    EXPECT_FALSE(find_colour(21, 21, 20 + d.w - 2, 20 + d.h - 2, BLACK).empty());
    theme_menu_proc(MSG_END, &d, 0);
}

TEST_F(PhotonTest, ShutdownClearsHooksAndImagesAndLookCanReturn)
{
    EXPECT_EQ(find_theme("Photon"), theme_photon);
    EXPECT_EQ(ThemeRegistry[1], theme_photon);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(theme_bg_color, makecol(216, 216, 216));
        EXPECT_EQ(gui_menu_draw_menu_item, photon_draw_menu_item);
        ASSERT_NE(photon_radio_on, nullptr);
        shutdown_theme();
        EXPECT_EQ(gui_menu_draw_menu, nullptr);
        EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
        EXPECT_EQ(photon_arrow, nullptr);
        init_theme(theme_photon);
    }
    // Made current again without a shutdown, the look frees its last images
    // (the leak checker ignores Allegro's bitmaps, so the heap is weighed).
    const std::size_t before = heap_bytes_in_use();
    for (int i = 0; i < 50; ++i) init_theme(theme_photon);
    EXPECT_LT(heap_bytes_in_use(), before + 4096);
    EXPECT_NE(photon_radio_on, nullptr);
}

TEST_F(PhotonTest, MissingImagesAreSkippedNotDereferenced)
{
    photon_destroy_bitmaps();  // as if create_bitmap had failed at init
    DIALOG radio = row(10, 10, 80, 20, D_SELECTED);
    photon_radio_proc(MSG_DRAW, &radio, 0);
    EXPECT_EQ(screen_pixel(19, 18), FACE);
    MenuBar menu;
    MENU item = {menu.file, nullptr, menu.items, 0, nullptr};
    photon_draw_menu_item(&item, 10, 40, 96, 12, 0, 0);
    DIALOG icon = row(10, 60, 30, 30);
    photon_icon_proc(MSG_DRAW, &icon, 0);
    photon_build_bitmaps();
}

}  // namespace
