// The "ASE" look drawn on a memory screen and read back pixel by pixel.
#include <allegro.h>
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/themes/ase.h"

namespace {

Rgb grey(int level) { return rgb16(level, level, level); }
const Rgb BLACK = rgb16(0, 0, 0);
const Rgb WHITE = rgb16(255, 255, 255);
const Rgb MAGENTA = rgb16(255, 0, 255); // the untouched test background

// The level of face row y of a gradient from `top` at y1 to `bottom` at y2.
int fade(int y, int y1, int y2, int top, int bottom)
{
    return (y - y1) * (bottom - top) / (y2 - y1) + top;
}

class AseLook : public testing::Test {
protected:
    void SetUp() override
    {
        init_theme(theme_ase);
        clear_test_screen();
    }
    void TearDown() override { shutdown_theme(); }

    DIALOG row(int x, int y, int w, int h, int flags = 0, const char *text = nullptr)
    {
        DIALOG d = {};
        d.x = x;
        d.y = y;
        d.w = w;
        d.h = h;
        d.flags = flags;
        d.fg = makecol(0, 0, 0);
        d.bg = makecol(255, 255, 255);
        d.dp = const_cast<char *>(text);
        return d;
    }

    // Checks each face row of a 100x18 button at (x, y) against the fade.
    static testing::AssertionResult face_fades(int x, int y, int top, int bottom)
    {
        for (int fy = y + 2; fy <= y + 15; ++fy) {
            // Sample the row away from the label and the focus dots.
            testing::AssertionResult r = hline_is(x + 4, x + 20, fy, grey(fade(fy, y + 2, y + 15, top, bottom)));
            if (!r) return r;
        }
        return testing::AssertionSuccess();
    }

    // Bounding box of the pixels of colour c inside (x1, y1)-(x2, y2).
    static void ink_box(int x1, int y1, int x2, int y2, Rgb c, int *left, int *top)
    {
        *left = *top = 1 << 20;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (screen_pixel(x, y) == c) {
                    if (x < *left) *left = x;
                    if (y < *top) *top = y;
                }
    }
};

TEST_F(AseLook, IsRegisteredByNameAndPublishesItsColours)
{
    EXPECT_EQ(find_theme("ASE"), theme_ase);
    EXPECT_EQ(find_theme("ase"), nullptr);
    EXPECT_EQ(pixel_at(screen, 0, 0), MAGENTA);
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_bg_color, makecol(255, 255, 255));
    EXPECT_EQ(theme_mg_color, makecol(128, 128, 128));
    // Menus keep Allegro's own drawing.
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
}

TEST_F(AseLook, IdleButtonHasOutlineBevelAndFaceFadingTo194)
{
    DIALOG d = row(90, 115, 100, 18);
    EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
    // Black outline around the row.
    EXPECT_TRUE(hline_is(90, 189, 115, BLACK));
    EXPECT_TRUE(hline_is(90, 189, 132, BLACK));
    EXPECT_TRUE(vline_is(90, 115, 132, BLACK));
    EXPECT_TRUE(vline_is(189, 115, 132, BLACK));
    // White top/left and grey bottom/right bevel one pixel inside.
    EXPECT_TRUE(hline_is(91, 187, 116, WHITE));
    EXPECT_TRUE(vline_is(91, 117, 130, WHITE));
    EXPECT_TRUE(hline_is(91, 188, 131, grey(128)));
    EXPECT_TRUE(vline_is(188, 116, 130, grey(128)));
    // Face rows 117..130 fade from 255 to 194.
    EXPECT_TRUE(hline_is(92, 187, 117, grey(255)));
    EXPECT_TRUE(hline_is(92, 187, 130, grey(194)));
    EXPECT_TRUE(face_fades(90, 115, 255, 194));
    EXPECT_EQ(screen_pixel(89, 114), MAGENTA);
    EXPECT_EQ(screen_pixel(190, 133), MAGENTA);
}

TEST_F(AseLook, FocusedButtonFadesTo224AndHasDottedRectangle)
{
    DIALOG d = row(90, 115, 100, 18, D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(92, 187, 118, grey(fade(118, 117, 130, 255, 224))));
    // Dotted rectangle from (x+2, y+2) to (x+w-4, y+h-4), black at its
    // top-left corner and alternating with white.
    const int x1 = 92, y1 = 117, x2 = 186, y2 = 129;
    for (int x = x1; x <= x2; ++x) {
        const Rgb want = ((x + y1) & 1) == ((x1 + y1) & 1) ? BLACK : WHITE;
        ASSERT_EQ(screen_pixel(x, y1), want) << "top x=" << x;
        ASSERT_EQ(screen_pixel(x, y2), ((x + y2) & 1) == ((x1 + y1) & 1) ? BLACK : WHITE) << "bottom x=" << x;
    }
    for (int y = y1 + 1; y < y2; ++y) {
        ASSERT_EQ(screen_pixel(x1, y), ((x1 + y) & 1) == ((x1 + y1) & 1) ? BLACK : WHITE) << "left y=" << y;
        ASSERT_EQ(screen_pixel(x2, y), ((x2 + y) & 1) == ((x1 + y1) & 1) ? BLACK : WHITE) << "right y=" << y;
    }
    EXPECT_EQ(screen_pixel(x1, y1), BLACK);
    EXPECT_EQ(screen_pixel(x1 + 1, y1), WHITE);
    // The face row just below the dots and right of them is still the fade.
    EXPECT_EQ(screen_pixel(187, 130), grey(224));
}

TEST_F(AseLook, PressedButtonReversesFadeAndBevelAndMovesLabel)
{
    DIALOG idle = row(20, 20, 100, 18, 0, "OK");
    theme_button_proc(MSG_DRAW, &idle, 0);
    int idle_left, idle_top;
    ink_box(22, 22, 117, 35, BLACK, &idle_left, &idle_top);

    DIALOG pressed = row(20, 60, 100, 18, D_SELECTED, "OK");
    theme_button_proc(MSG_DRAW, &pressed, 0);
    EXPECT_TRUE(hline_is(22, 30, 62, grey(194)));
    EXPECT_TRUE(hline_is(22, 30, 75, grey(255)));
    EXPECT_TRUE(face_fades(20, 60, 194, 255));
    EXPECT_TRUE(hline_is(21, 117, 61, grey(128)));
    EXPECT_TRUE(vline_is(21, 62, 75, grey(128)));
    EXPECT_TRUE(hline_is(21, 118, 76, WHITE));
    EXPECT_TRUE(vline_is(118, 61, 75, WHITE));
    int left, top;
    ink_box(22, 62, 117, 75, BLACK, &left, &top);
    EXPECT_EQ(left, idle_left + 1);
    EXPECT_EQ(top - 40, idle_top + 1);

    // Pressed and focused: fade from 224 and the dots one pixel further in.
    DIALOG both = row(20, 100, 100, 18, D_SELECTED | D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &both, 0);
    EXPECT_EQ(screen_pixel(30, 102), grey(224));
    EXPECT_EQ(screen_pixel(23, 103), BLACK);
    EXPECT_EQ(screen_pixel(22, 102), grey(224));
}

TEST_F(AseLook, DisabledButtonIsGrey)
{
    DIALOG d = row(20, 20, 100, 18, D_DISABLED, "Off");
    theme_button_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(20, 119, 20, grey(128)));
    EXPECT_TRUE(vline_is(119, 20, 37, grey(128)));
    EXPECT_TRUE(face_fades(20, 20, 255, 128));
    EXPECT_EQ(count_colour(22, 22, 117, 35, BLACK), 0);
    EXPECT_GT(count_colour(60, 22, 80, 35, grey(128)), 0);
    // Focused and disabled: dots in grey 128 and grey 192.
    DIALOG f = row(20, 60, 100, 18, D_DISABLED | D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &f, 0);
    EXPECT_EQ(screen_pixel(22, 62), grey(128));
    EXPECT_EQ(screen_pixel(23, 62), grey(192));
}

TEST_F(AseLook, BoxesAndWindowUseTheRowFlags)
{
    DIALOG box = row(10, 10, 40, 20);
    EXPECT_EQ(theme_box_proc(MSG_DRAW, &box, 0), D_O_K);
    EXPECT_EQ(screen_pixel(10, 10), BLACK);
    EXPECT_EQ(screen_pixel(12, 12), grey(255));
    EXPECT_EQ(theme_shadow_box_proc(MSG_CLICK, &box, 0), D_O_K);

    DIALOG win = row(100, 100, 120, 60, 0, "Title");
    EXPECT_EQ(theme_window_proc(MSG_DRAW, &win, 0), D_O_K);
    EXPECT_EQ(theme_window_proc(MSG_CLICK, &win, 0), D_O_K);
    // The title is centred near the top, clipped to the row.
    int left, top;
    ink_box(102, 102, 217, 157, BLACK, &left, &top);
    EXPECT_EQ(top, 104);
    const int tw = text_length(font, "Title");
    EXPECT_GE(left, 160 - tw / 2);
    EXPECT_LE(left, 160 - tw / 2 + 8);

    // A title wider than the window stays inside it.
    DIALOG narrow = row(300, 100, 20, 20, 0, "A very long window title");
    theme_window_proc(MSG_DRAW, &narrow, 0);
    EXPECT_EQ(count_colour(250, 100, 299, 120, BLACK), 0);
    EXPECT_EQ(count_colour(320, 100, 380, 120, BLACK), 0);

    EXPECT_EQ(theme_clear_proc(MSG_DRAW, &box, 0), D_O_K);
    EXPECT_EQ(screen_pixel(639, 479), WHITE);
}

TEST_F(AseLook, ShortSpansKeepTheirStartLevel)
{
    // A 5-pixel-high box has a one-row face: no slope, no division by zero.
    DIALOG d = row(10, 10, 30, 5);
    theme_box_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(12, 37, 12, grey(255)));
    DIALOG pressed = row(10, 30, 30, 5, D_SELECTED);
    theme_box_proc(MSG_DRAW, &pressed, 0);
    EXPECT_TRUE(hline_is(12, 37, 32, grey(194)));
    // Even smaller boxes draw no face at all and do not crash.
    for (int h = 0; h <= 4; ++h) {
        DIALOG tiny = row(100, 10 + 10 * h, 30, h, D_GOTFOCUS);
        theme_button_proc(MSG_DRAW, &tiny, 0);
    }
}

TEST_F(AseLook, CheckAndRadioShowA12PixelBoxPressedWhenSet)
{
    DIALOG check = row(50, 50, 100, 20, 0, "Sails");
    EXPECT_EQ(theme_check_proc(MSG_DRAW, &check, 0), D_O_K);
    EXPECT_TRUE(hline_is(50, 61, 54, BLACK));
    EXPECT_TRUE(hline_is(50, 61, 65, BLACK));
    EXPECT_TRUE(vline_is(61, 54, 65, BLACK));
    EXPECT_EQ(screen_pixel(50, 53), MAGENTA);
    EXPECT_EQ(screen_pixel(62, 60), MAGENTA);
    EXPECT_EQ(screen_pixel(51, 55), WHITE);
    // The label starts at x + 16, vertically centred.
    int left, top;
    ink_box(62, 50, 149, 69, BLACK, &left, &top);
    EXPECT_GE(left, 66);
    EXPECT_EQ(top >= 56 && top <= 57, true) << top;

    DIALOG radio = row(50, 100, 100, 20, D_SELECTED, nullptr);
    EXPECT_EQ(theme_radio_proc(MSG_DRAW, &radio, 0), D_O_K);
    EXPECT_EQ(screen_pixel(51, 105), grey(128));  // reversed bevel
    EXPECT_EQ(screen_pixel(52, 106), grey(194));  // fade starts low
    EXPECT_EQ(count_colour(62, 100, 149, 119, BLACK), 0); // no label
}

TEST_F(AseLook, StockSlotsKeepAllegrosLook)
{
    EXPECT_EQ(theme_ase->icon_proc, d_icon_proc);
    EXPECT_EQ(theme_ase->list_proc, d_list_proc);
    EXPECT_EQ(theme_ase->text_list_proc, d_text_list_proc);
    EXPECT_EQ(theme_ase->textbox_proc, d_textbox_proc);
    EXPECT_EQ(theme_ase->slider_proc, d_slider_proc);
    EXPECT_EQ(theme_ase->menu_proc, d_menu_proc);
    EXPECT_EQ(theme_ase->text_proc, themed_text_proc);
}

// ---- edit field ----

class AseEdit : public AseLook {
protected:
    char text[64] = "Grog";
    DIALOG edit(int flags, int caret)
    {
        DIALOG d = row(40, 40, 100, 14, flags, text);
        d.proc = theme_edit_proc; // d_edit_proc redraws through the row's own procedure
        d.d1 = 60;
        d.d2 = caret;
        return d;
    }
};

TEST_F(AseEdit, StartGrowsALowRowToTheFontPlusSix)
{
    DIALOG d = edit(0, 0);
    d.h = 8;
    theme_edit_proc(MSG_START, &d, 0);
    EXPECT_EQ(d.h, text_height(font) + 6);
    EXPECT_EQ(d.w, 100);
    DIALOG tall = edit(0, 0);
    tall.h = 30;
    theme_edit_proc(MSG_START, &tall, 0);
    EXPECT_EQ(tall.h, 30);
}

TEST_F(AseEdit, OtherMessagesKeepWidthPositionAndFlags)
{
    const int msgs[] = {MSG_END, MSG_IDLE, MSG_GOTFOCUS, MSG_LOSTFOCUS, MSG_WANTFOCUS, MSG_CHAR, MSG_UCHAR};
    for (int msg : msgs) {
        DIALOG d = edit(D_GOTFOCUS, 2);
        const int c = msg == MSG_CHAR ? KEY_RIGHT << 8 : (msg == MSG_UCHAR ? 'x' : 0);
        theme_edit_proc(msg, &d, c);
        EXPECT_EQ(d.w, 100) << msg;
        EXPECT_EQ(d.x, 40) << msg;
        EXPECT_EQ(d.y, 40) << msg;
        EXPECT_EQ(d.h, 14) << msg;
        EXPECT_EQ(d.flags & ~D_DIRTY, D_GOTFOCUS) << msg;
    }
    EXPECT_EQ(edit_shift_depth, 0);
}

TEST_F(AseEdit, TypingEditsTheTextAndRedrawsAtTheTruePosition)
{
    DIALOG d = edit(D_GOTFOCUS, 4);
    theme_edit_proc(MSG_UCHAR, &d, 'y');
    EXPECT_STREQ(text, "Grogy");
    EXPECT_EQ(d.d2, 5);
    // The redraw that d_edit_proc asked for put the frame at the row corner.
    EXPECT_EQ(screen_pixel(40, 40), BLACK);
    EXPECT_EQ(screen_pixel(139, 53), WHITE);
    EXPECT_EQ(d.w, 100);
}

TEST_F(AseEdit, FrameIsASunkenGradientWell)
{
    DIALOG d = edit(0, 0);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(40, 138, 40, BLACK));
    EXPECT_TRUE(vline_is(40, 41, 52, BLACK));
    EXPECT_TRUE(hline_is(40, 139, 53, WHITE));
    EXPECT_TRUE(vline_is(139, 40, 52, WHITE));
    EXPECT_TRUE(hline_is(41, 137, 41, grey(128)));
    EXPECT_TRUE(hline_is(41, 138, 52, grey(192)));
    EXPECT_TRUE(hline_is(100, 137, 42, grey(224)));
    EXPECT_TRUE(hline_is(100, 137, 51, grey(255)));
    EXPECT_EQ(d.w, 100);

    DIALOG off = edit(D_DISABLED, 0);
    off.y = 80;
    theme_edit_proc(MSG_DRAW, &off, 0);
    EXPECT_EQ(screen_pixel(120, 82), grey(128));
    EXPECT_GT(count_colour(43, 82, 80, 91, grey(128)), 0);
    EXPECT_EQ(count_colour(43, 82, 80, 91, BLACK), 0);
}

TEST_F(AseEdit, CaretCellIsReversedOnlyWhileFocused)
{
    const int th = text_height(font);
    const int cy = 40 + 14 / 2 - th / 2;
    const int cw = text_length(font, "G");
    // Caret on the first character: a block in the text colour (black)
    // with the character in the row's bg (white).
    DIALOG d = edit(D_GOTFOCUS, 0);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_GT(count_colour(43, cy, 43 + cw - 1, cy + th - 1, BLACK), cw * th / 2);
    EXPECT_GT(count_colour(43, cy, 43 + cw - 1, cy + th - 1, WHITE), 0);
    // The other characters are black ink on the gradient.
    EXPECT_LT(count_colour(43 + cw, cy, 43 + 2 * cw - 1, cy + th - 1, BLACK), cw * th / 2);

    clear_test_screen();
    DIALOG unfocused = edit(0, 0);
    theme_edit_proc(MSG_DRAW, &unfocused, 0);
    EXPECT_LT(count_colour(43, cy, 43 + cw - 1, cy + th - 1, BLACK), cw * th / 2);
    EXPECT_EQ(count_colour(43, cy, 43 + cw - 1, cy + th - 1, WHITE), 0);

    // At the end of the text the caret is a blank block after the last
    // character.
    clear_test_screen();
    DIALOG end = edit(D_GOTFOCUS, 99);
    theme_edit_proc(MSG_DRAW, &end, 0);
    EXPECT_EQ(end.d2, 4);
    EXPECT_TRUE(rect_is(43 + 4 * cw, cy, 43 + 5 * cw - 1, cy + th - 1, BLACK));
}

TEST_F(AseEdit, LongTextScrollsSoTheCaretStaysVisible)
{
    std::snprintf(text, sizeof text, "%s", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    const int cw = text_length(font, "A");
    const int th = text_height(font);
    const int cy = 40 + 14 / 2 - th / 2;
    DIALOG d = edit(D_GOTFOCUS, 36);
    theme_edit_proc(MSG_DRAW, &d, 0);
    // Walking back from the blank after the text: the field's 94 measured
    // pixels hold 11 cells, the 12th overflows, so the drawing starts 10
    // characters before the caret.
    const int shown = 36 - (94 / cw + 1) + 2;
    EXPECT_EQ(shown, 26);
    // The caret block sits right after the last shown character, and no
    // glyph is drawn past the field's inner edge.
    const int caret_x = 43 + (36 - shown) * cw;
    EXPECT_TRUE(rect_is(caret_x, cy, caret_x + cw - 1, cy + th - 1, BLACK));
    EXPECT_EQ(count_colour(138, 41, 139, 53, BLACK), 0);

    // With the caret at 0 the drawing starts at the first character.
    clear_test_screen();
    DIALOG start = edit(D_GOTFOCUS, 0);
    theme_edit_proc(MSG_DRAW, &start, 0);
    EXPECT_GT(count_colour(43, cy, 43 + cw - 1, cy + th - 1, BLACK), cw * th / 2);
}

TEST_F(AseEdit, RowFiveHighDrawsWithoutDividingByZero)
{
    DIALOG d = edit(D_GOTFOCUS, 1);
    d.h = 5;
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(100, 137, 42, grey(224)));
    EXPECT_EQ(d.h, 5);
}

} // namespace
