// The "Photon" look drawn on the memory screen and read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/photon.h"

namespace {

const Rgb MAGENTA = rgb16(255, 0, 255);  // the untouched test screen
const Rgb BLACK = rgb16(0, 0, 0);
const Rgb WHITE = rgb16(255, 255, 255);
const Rgb FACE = rgb16(216, 216, 216);
const Rgb DISABLED = rgb16(127, 127, 127);
const Rgb ETCH_DARK = rgb16(75, 75, 75);
const Rgb EDGE_DARK = rgb16(176, 176, 176);
const Rgb FOCUS_BLUE = rgb16(144, 152, 248);
const Rgb LIST_BG = rgb16(248, 248, 248);
const Rgb LIST_SELECT = rgb16(142, 162, 155);
const Rgb GRIP_LIGHT = rgb16(235, 235, 235);

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    bool empty() const { return x2 < 0; }
};

// Bounding box of the pixels of colour `c` in the given area.
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

const char *const ITEMS[] = {"anchor", "barrel", "cutlass", "doubloon", "eyepatch",
                             "flag",   "galleon", "hook",   "island",   "jolly",
                             "kraken", "lantern", "mast",   "net",      "oar",
                             "parrot", "quay",    "rum",    "sail",     "treasure"};
int item_count = 20;

char *items(int index, int *list_size)
{
    if (index < 0) {
        *list_size = item_count;
        return nullptr;
    }
    return const_cast<char *>(ITEMS[index]);
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

struct PhotonTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        init_theme(theme_photon);
        clear_test_screen();
        item_count = 20;
    }
    void TearDown() override { shutdown_theme(); }
};

TEST_F(PhotonTest, IsRegisteredAndPublishesItsColours)
{
    EXPECT_EQ(find_theme("Photon"), theme_photon);
    EXPECT_EQ(find_theme("photon"), nullptr);
    EXPECT_EQ(ThemeRegistry[1], theme_photon);
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_bg_color, makecol(216, 216, 216));
    EXPECT_EQ(theme_mg_color, makecol(127, 127, 127));
}

TEST_F(PhotonTest, GradientRunsFromStartToEndColour)
{
    const Gradient g = {0, 0, 0, 200, 100, 40};
    photon_gradient(screen, 10, 10, 30, 20, g, 0);
    EXPECT_TRUE(hline_is(10, 30, 10, rgb16(0, 0, 0)));
    EXPECT_TRUE(hline_is(10, 30, 15, rgb16(100, 50, 20)));
    EXPECT_TRUE(hline_is(10, 30, 20, rgb16(200, 100, 40)));
    photon_gradient(screen, 40, 10, 50, 20, g, 1);
    EXPECT_TRUE(vline_is(40, 10, 20, rgb16(0, 0, 0)));
    EXPECT_TRUE(vline_is(50, 10, 20, rgb16(200, 100, 40)));
}

TEST_F(PhotonTest, OneLineGradientIsItsStartColour)
{
    const Gradient g = {10, 200, 30, 250, 0, 0};
    photon_gradient(screen, 10, 10, 60, 10, g, 0);
    EXPECT_TRUE(hline_is(10, 60, 10, rgb16(10, 200, 30)));
    photon_gradient(screen, 70, 10, 70, 40, g, 1);
    EXPECT_TRUE(vline_is(70, 10, 40, rgb16(10, 200, 30)));
}

TEST_F(PhotonTest, FrameIsEtchedWithOpenCorners)
{
    photon_frame(screen, 20, 20, 30, 20);
    EXPECT_TRUE(hline_is(20, 48, 20, rgb16(177, 177, 177)));
    EXPECT_TRUE(vline_is(20, 20, 38, rgb16(177, 177, 177)));
    EXPECT_TRUE(hline_is(21, 49, 39, rgb16(201, 201, 201)));
    EXPECT_TRUE(vline_is(49, 21, 39, rgb16(201, 201, 201)));
    EXPECT_TRUE(hline_is(21, 48, 21, ETCH_DARK));
    EXPECT_TRUE(hline_is(21, 48, 38, ETCH_DARK));
    EXPECT_EQ(screen_pixel(49, 20), MAGENTA);
    EXPECT_EQ(screen_pixel(20, 39), MAGENTA);
    EXPECT_EQ(screen_pixel(30, 30), MAGENTA);  // a frame has no fill
}

TEST_F(PhotonTest, SelectedButtonSwapsEdgesAndMovesLabelButKeepsFace)
{
    char label[] = "W";
    DIALOG up = row(100, 100, 60, 24, 0, label);
    DIALOG down = row(100, 100, 60, 24, D_SELECTED, label);

    photon_button_proc(MSG_DRAW, &up, 0);
    EXPECT_TRUE(hline_is(102, 156, 102, WHITE));
    EXPECT_TRUE(vline_is(102, 102, 120, WHITE));
    EXPECT_TRUE(hline_is(102, 157, 121, EDGE_DARK));
    EXPECT_TRUE(vline_is(157, 102, 121, EDGE_DARK));
    Rgb face_up[18];
    for (int i = 0; i < 18; ++i) face_up[i] = screen_pixel(104, 103 + i);
    EXPECT_EQ(face_up[0], rgb16(235, 235, 235));
    EXPECT_EQ(face_up[17], rgb16(195, 195, 195));
    const Box text_up = find_colour(103, 103, 156, 120, BLACK);

    clear_test_screen();
    photon_button_proc(MSG_DRAW, &down, 0);
    EXPECT_TRUE(hline_is(102, 156, 102, EDGE_DARK));
    EXPECT_TRUE(vline_is(102, 102, 120, EDGE_DARK));
    EXPECT_TRUE(hline_is(102, 157, 121, WHITE));
    EXPECT_TRUE(vline_is(157, 102, 121, WHITE));
    for (int i = 0; i < 18; ++i) EXPECT_EQ(screen_pixel(104, 103 + i), face_up[i]) << i;
    const Box text_down = find_colour(103, 103, 156, 120, BLACK);

    ASSERT_FALSE(text_up.empty());
    EXPECT_EQ(text_down.x1, text_up.x1 + 1);
    EXPECT_EQ(text_down.y1, text_up.y1 + 1);
    EXPECT_EQ(text_down.x2, text_up.x2 + 1);
    EXPECT_EQ(text_down.y2, text_up.y2 + 1);
}

TEST_F(PhotonTest, DisabledLabelIsEmbossedWhiteThenGrey)
{
    // The glyph as drawn plainly, to know which pixels it covers.
    BITMAP *glyph = create_bitmap_ex(16, 20, 20);
    ASSERT_NE(glyph, nullptr);
    clear_to_color(glyph, 0);
    textout_ex(glyph, font, "K", 2, 2, makecol16(255, 255, 255), -1);

    photon_text(screen, "K", 102, 202, D_DISABLED, FALSE);
    int grey = 0, white = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            if (!getpixel(glyph, x, y)) continue;
            EXPECT_EQ(screen_pixel(100 + x, 200 + y), DISABLED);
            ++grey;
            if (x + 1 < 20 && y + 1 < 20 && !getpixel(glyph, x + 1, y + 1)) {
                EXPECT_EQ(screen_pixel(101 + x, 201 + y), WHITE);
                ++white;
            }
        }
    EXPECT_GT(grey, 0);
    EXPECT_GT(white, 0);
    destroy_bitmap(glyph);
}

TEST_F(PhotonTest, FocusedLabelIsUnderlinedInLightBlue)
{
    const int len = text_length(font, "Sail");
    const int th = text_height(font);
    photon_text(screen, "Sail", 50, 50, D_GOTFOCUS, FALSE);
    EXPECT_TRUE(hline_is(50, 50 + len - 1, 50 + th, FOCUS_BLUE));
    EXPECT_EQ(screen_pixel(50 + len, 50 + th), MAGENTA);

    photon_text(screen, "Sail", 200, 50, D_GOTFOCUS, TRUE);
    EXPECT_TRUE(hline_is(200 - len / 2, 200 + len / 2 - 1, 50 + th, FOCUS_BLUE));
    EXPECT_EQ(screen_pixel(200 + len / 2, 50 + th), MAGENTA);
}

TEST_F(PhotonTest, CheckBoxShowsCrossOnlyWhenSelected)
{
    DIALOG d = row(10, 10, 80, 20);
    const int cy = 20;
    photon_check_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(16, cy - 4), rgb16(204, 204, 204));
    EXPECT_EQ(screen_pixel(20, cy - 1), WHITE);
    d.flags = D_SELECTED;
    photon_check_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(16, cy - 4), rgb16(24, 24, 24));
    EXPECT_EQ(screen_pixel(23, cy + 3), rgb16(24, 24, 24));
}

TEST_F(PhotonTest, RadioButtonIsCopiedOpaqueFromItsGreyTable)
{
    DIALOG d = row(10, 10, 80, 20, D_SELECTED);
    photon_radio_proc(MSG_DRAW, &d, 0);
    // Row 5, column 6 of the selected image is the dark dot (75).
    EXPECT_EQ(screen_pixel(13 + 6, 13 + 5), rgb16(75, 75, 75));
    EXPECT_EQ(screen_pixel(13, 13), FACE);
    d.flags = 0;
    photon_radio_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(13 + 6, 13 + 5), rgb16(222, 222, 222));
}

TEST_F(PhotonTest, WindowHasBlueTitleBarAndFaceInside)
{
    char title[] = "Log";
    DIALOG d = row(50, 50, 200, 100, 0, title);
    photon_window_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(50, 50), BLACK);
    EXPECT_EQ(screen_pixel(51, 51), rgb16(63, 63, 63));
    EXPECT_TRUE(hline_is(52, 247, 52, rgb16(142, 189, 255)));
    EXPECT_TRUE(hline_is(53, 247, 54, rgb16(42, 89, 173)));
    EXPECT_EQ(screen_pixel(100, 56), rgb16(102, 149, 233));
    EXPECT_TRUE(rect_is(55, 71, 244, 144, FACE));
    EXPECT_FALSE(find_colour(53, 56, 246, 69, BLACK).empty());  // the title
    EXPECT_EQ(photon_window_proc(MSG_CLICK, &d, 0), D_O_K);
}

TEST_F(PhotonTest, SquareSliderIsVertical)
{
    DIALOG d = row(100, 100, 40, 40);
    d.d1 = 10;
    d.d2 = 0;
    photon_slider_proc(MSG_DRAW, &d, 0);
    // The groove's dark centre line runs down the middle column.
    EXPECT_TRUE(vline_is(120, 101, 120, ETCH_DARK));
    EXPECT_TRUE(hline_is(119, 120, 100, rgb16(172, 172, 172)));
    // Knob at the bottom for value 0: its outline's top row.
    EXPECT_TRUE(hline_is(100, 138, 100 + 40 - 13 - 1, ETCH_DARK));
}

TEST_F(PhotonTest, SliderKnobFollowsTheValue)
{
    DIALOG d = row(100, 100, 100, 20);
    d.d1 = 10;
    d.d2 = 5;
    photon_slider_proc(MSG_DRAW, &d, 0);
    // len 98, travel 85: half way is 42.5 rounded up to 43, plus one.
    EXPECT_TRUE(vline_is(100 + 44, 100, 118, ETCH_DARK));
    EXPECT_EQ(screen_pixel(100 + 43, 105), FACE);
}

TEST_F(PhotonTest, ShortSliderAndZeroMaximumDrawWithoutTicks)
{
    DIALOG d = row(100, 100, 16, 10);  // horizontal, 14 pixels: no room for ticks
    d.d1 = 0;
    d.d2 = 3;
    photon_slider_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(101, 100), ETCH_DARK);  // knob at the start
    EXPECT_EQ(screen_pixel(114, 107), FACE);       // no end dot

    DIALOG v = row(200, 100, 10, 12);
    v.d1 = 0;
    photon_slider_proc(MSG_DRAW, &v, 0);
    EXPECT_EQ(screen_pixel(200, 100 + 12 - 13 - 1), ETCH_DARK);  // knob at the start
}

TEST_F(PhotonTest, SliderTicksSpreadAlongTheGroove)
{
    DIALOG d = row(100, 100, 92, 20);  // len 90: six ticks 15 apart, and the end
    d.d1 = 77;                           // travel 77, so the knob sits at x+18,
    d.d2 = 17;                           // between the second and third tick
    photon_slider_proc(MSG_DRAW, &d, 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(screen_pixel(101 + 15 * i, 117), GRIP_LIGHT) << i;
    EXPECT_EQ(screen_pixel(190, 117), GRIP_LIGHT);
    EXPECT_EQ(screen_pixel(191, 118), rgb16(108, 108, 108));
    EXPECT_TRUE(vline_is(118, 100, 118, ETCH_DARK));
}

TEST_F(PhotonTest, EditCaretShowsWhileFocusedAndDoesNotBlink)
{
    char text[32] = "ahoy";
    const int th = text_height(font);
    const int tw = text_length(font, "ahoy");
    DIALOG d = row(50, 50, 125, 40, D_GOTFOCUS, text);
    d.d2 = 99;  // past the end: pulled back to the end
    for (int pass = 0; pass < 3; ++pass) {
        clear_test_screen();
        photon_edit_proc(MSG_DRAW, &d, 0);
        EXPECT_EQ(d.d2, 4);
        EXPECT_TRUE(vline_is(50 + 4 + tw - 1, 53, 50 + th + 3, BLACK)) << pass;
        EXPECT_EQ(screen_pixel(50 + 4 + tw - 1, 50 + th + 5), BLACK);
        EXPECT_TRUE(hline_is(54, 170, 50 + th + 4, FOCUS_BLUE));
    }
    // The field is th+8 high whatever the row's height.
    EXPECT_TRUE(hline_is(51, 174, 50 + th + 7, rgb16(201, 201, 201)));
    EXPECT_TRUE(hline_is(50, 174, 50 + th + 8, MAGENTA));

    clear_test_screen();
    d.flags = 0;
    photon_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(count_colour(50, 50, 174, 50 + th + 7, FOCUS_BLUE), 0);
    EXPECT_EQ(screen_pixel(50 + 4 + tw - 1, 50 + th + 5), rgb16(244, 244, 244));
}

TEST_F(PhotonTest, ListWhoseItemsFitHasNoScrollBar)
{
    item_count = 3;
    DIALOG d = row(20, 20, 120, 4 + 10 * text_height(font), 0, reinterpret_cast<void *>(items));
    d.d1 = 1;
    photon_list_proc(MSG_DRAW, &d, 0);
    const int th = text_height(font);
    EXPECT_EQ(screen_pixel(20 + 120 - 3, 22), LIST_BG);              // row 0 reaches x+w-3
    EXPECT_EQ(screen_pixel(20 + 120 - 3, 22 + th), LIST_SELECT);     // selected row 1
    EXPECT_TRUE(rect_is(22, 22 + 3 * th, 137, 22 + 10 * th - 1, LIST_BG));  // empty rows
    EXPECT_EQ(count_colour(20, 20, 139, 20 + d.h - 1, rgb16(181, 181, 181)), 0);  // no trough
}

TEST_F(PhotonTest, LongListHasScrollBarAndNarrowerRows)
{
    const int th = text_height(font);
    DIALOG d = row(20, 20, 120, 4 + 5 * th, 0, reinterpret_cast<void *>(items));
    d.d1 = -1;
    d.d2 = 0;
    photon_list_proc(MSG_DRAW, &d, 0);
    const int r = 20 + 120 - 1;
    EXPECT_EQ(screen_pixel(20 + 120 - 14, 22), LIST_BG);
    EXPECT_TRUE(vline_is(r - 12, 21, 20 + d.h - 2, ETCH_DARK));
    // Thumb: 5 of 20 rows over h-4 = 40 pixels is 10 long, from the top.
    EXPECT_TRUE(hline_is(r - 11, r - 2, 22 + 10, BLACK));
    EXPECT_TRUE(hline_is(r - 11, r - 3, 22, WHITE));
    EXPECT_EQ(screen_pixel(r - 2, 22), EDGE_DARK);
}

TEST_F(PhotonTest, TextBoxThatFitsUsesTheWholeWidthAndScrollsHome)
{
    char text[] = "Dead men tell no tales.";
    DIALOG d = row(20, 20, 260, 60, 0, text);
    d.d2 = 3;
    photon_textbox_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(d.d2, 0);
    EXPECT_EQ(d.d1, 1);
    EXPECT_EQ(count_colour(20, 20, 279, 79, rgb16(181, 181, 181)), 0);
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
    EXPECT_EQ(screen_pixel(12 + 96 - 5, 24 + 12 - 4), FOCUS_BLUE);
}

TEST_F(PhotonTest, DisabledPopupItemHasNoSelectionBackground)
{
    char text[] = "Scuttle";
    MENU item = {text, nullptr, nullptr, D_DISABLED, nullptr};
    photon_draw_menu_item(&item, 12, 12, 96, 12, 0, 1);
    EXPECT_EQ(count_colour(12, 12, 107, 23, FOCUS_BLUE), 0);
    EXPECT_EQ(screen_pixel(12 + 96 - 5, 12 + 12 - 4), MAGENTA);
}

TEST_F(PhotonTest, MenuBarItemsAlwaysShowAGradient)
{
    char text[] = "File";
    MENU item = {text, nullptr, nullptr, D_DISABLED, nullptr};
    photon_draw_menu_item(&item, 10, 10, 50, 12, 1, 0);
    EXPECT_TRUE(hline_is(16, 56, 10, WHITE));
    EXPECT_EQ(screen_pixel(56, 11), rgb16(197, 197, 197));
    EXPECT_EQ(screen_pixel(56, 20), rgb16(217, 217, 217));
    item.flags = 0;
    photon_draw_menu_item(&item, 10, 30, 50, 12, 1, 1);
    EXPECT_EQ(screen_pixel(16, 30), ETCH_DARK);
    EXPECT_EQ(screen_pixel(54, 32), rgb16(195, 195, 195));
}

TEST_F(PhotonTest, MenuItemTextLongerThanItsBufferIsCut)
{
    std::string text(600, 'x');
    text += "\tCtrl+Q";
    MENU item = {&text[0], nullptr, nullptr, 0, nullptr};
    photon_draw_menu_item(&item, 10, 10, 300, 12, 0, 0);
    EXPECT_EQ(text.size(), 607u);  // the item's own text is untouched
    EXPECT_EQ(text[599], 'x');
}

TEST_F(PhotonTest, SeparatorAndTick)
{
    char empty[] = "";
    MENU sep = {empty, nullptr, nullptr, D_SELECTED, nullptr};
    const int th = text_height(font);
    photon_draw_menu_item(&sep, 10, 10, 80, 10, 0, 0);
    EXPECT_TRUE(hline_is(10, 79, 10 + th / 2 - 1, rgb16(153, 153, 153)));
    EXPECT_TRUE(hline_is(10, 79, 10 + th / 2, ETCH_DARK));
    EXPECT_TRUE(hline_is(10, 79, 10 + th / 2 + 1, WHITE));
    EXPECT_EQ(screen_pixel(89 - 7, 10 + th), rgb16(92, 92, 92));
}

TEST_F(PhotonTest, ShutdownClearsHooksAndLookCanReturn)
{
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(gui_menu_draw_menu, photon_draw_menu);
        EXPECT_EQ(gui_menu_draw_menu_item, photon_draw_menu_item);
        ASSERT_NE(photon_radio_on, nullptr);
        shutdown_theme();
        EXPECT_EQ(gui_menu_draw_menu, nullptr);
        EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
        EXPECT_EQ(photon_radio_on, nullptr);
        EXPECT_EQ(photon_arrow, nullptr);
        init_theme(theme_photon);
    }
}

TEST_F(PhotonTest, MissingImagesAreSkippedNotDereferenced)
{
    photon_destroy_bitmaps();  // as if create_bitmap had failed at init
    DIALOG radio = row(10, 10, 80, 20, D_SELECTED);
    EXPECT_EQ(photon_radio_proc(MSG_DRAW, &radio, 0), D_O_K);
    EXPECT_EQ(screen_pixel(19, 18), FACE);
    char text[] = "Charts";
    MENU sub[] = {{text, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU item = {text, nullptr, sub, 0, nullptr};
    photon_draw_menu_item(&item, 10, 40, 96, 12, 0, 0);
    DIALOG icon = row(10, 60, 30, 30);
    EXPECT_EQ(photon_icon_proc(MSG_DRAW, &icon, 0), D_O_K);
    photon_build_bitmaps();
}

}  // namespace

namespace {

// Allegro's own menu code calls the hooks: the frame comes from the first
// item after the menu is announced, so a real menu bar is framed.
TEST_F(PhotonTest, MenuBarDrawnByAllegroIsFramedAndShaded)
{
    char file[] = "File", quit[] = "Quit\tCtrl+Q";
    MENU file_menu[] = {{quit, nullptr, nullptr, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    MENU bar[] = {{file, nullptr, file_menu, 0, nullptr}, {nullptr, nullptr, nullptr, 0, nullptr}};
    DIALOG d = row(20, 20, 0, 0, 0, bar);
    d.proc = theme_menu_proc;
    theme_menu_proc(MSG_START, &d, 0);
    theme_menu_proc(MSG_DRAW, &d, 0);
    ASSERT_GT(d.w, 0);
    EXPECT_EQ(screen_pixel(20, 20), ETCH_DARK);
    EXPECT_EQ(screen_pixel(20 + d.w - 1, 20 + d.h - 1), ETCH_DARK);
    EXPECT_EQ(screen_pixel(21, 21), WHITE);
    EXPECT_FALSE(find_colour(21, 21, 20 + d.w - 2, 20 + d.h - 2, BLACK).empty());  // "File"
    theme_menu_proc(MSG_END, &d, 0);
}

}  // namespace
