// The "ASE" look drawn on a memory screen and read back pixel by pixel.
#include <allegro.h>
#include <gtest/gtest.h>

#include "look_probes.h"
#include "widgets/theme.h"

namespace {

Rgb grey(int level)
{
    return rgb16(level, level, level);
}
const Rgb BLACK = rgb16(0, 0, 0), WHITE = rgb16(255, 255, 255), MAGENTA = rgb16(255, 0, 255);

// Black on white: the edit field draws its caret cell in the row's colours.
DIALOG row(int x, int y, int w, int h, int flags = 0, const char *text = nullptr)
{
    DIALOG d = probe_row(x, y, w, h, flags, text);
    d.fg = makecol(0, 0, 0);
    d.bg = makecol(255, 255, 255);
    return d;
}

struct AseLook : testing::Test {
    void SetUp() override { init_theme(theme_ase), clear_test_screen(); }
    void TearDown() override { shutdown_theme(); }
};

// A 100x18 button at (90, 115): outline, bevel one pixel in, face rows
// 117..130 fading between two grey levels.
struct ButtonCase {
    int flags;
    Rgb outline, top_left, bottom_right;
    int face_top, face_bottom;
};

TEST_F(AseLook, ButtonFaceFadesByState)
{
    const Rgb G128 = grey(128);
    // clang-format off
    const ButtonCase cases[] = {
        // flags                    outline  top/left bottom/right  face top..bottom
        { 0,                        BLACK,   WHITE,   G128,         255, 194 },
        { D_GOTFOCUS,               BLACK,   WHITE,   G128,         255, 224 },
        { D_SELECTED,               BLACK,   G128,    WHITE,        194, 255 },
        { D_SELECTED | D_GOTFOCUS,  BLACK,   G128,    WHITE,        224, 255 },
        { D_DISABLED,               G128,    WHITE,   G128,         255, 128 },
    };
    // clang-format on
    for (const ButtonCase &c : cases) {
        SCOPED_TRACE(c.flags);
        DIALOG d = row(90, 115, 100, 18, c.flags);
        EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
        EXPECT_TRUE(hline_is(90, 189, 115, c.outline));
        EXPECT_TRUE(vline_is(189, 115, 132, c.outline));
        EXPECT_TRUE(hline_is(91, 187, 116, c.top_left));
        EXPECT_TRUE(vline_is(91, 117, 130, c.top_left));
        EXPECT_TRUE(hline_is(91, 188, 131, c.bottom_right));
        const int dots = (c.flags & D_SELECTED) ? 118 : 117;  // top dotted row if focused
        for (int y = 117; y <= 130; ++y) {
            if ((c.flags & D_GOTFOCUS) && (y == dots || y == dots + 12)) continue;
            const int level = (y - 117) * (c.face_bottom - c.face_top) / 13 + c.face_top;
            ASSERT_TRUE(hline_is(96, 120, y, grey(level))) << "face row " << y;
        }
        EXPECT_EQ(screen_pixel(190, 133), MAGENTA);
    }
}

TEST_F(AseLook, FocusDotsRunInsideTheFaceAndStartBlack)
{
    DIALOG d = row(90, 115, 100, 18, D_GOTFOCUS);
    theme_button_proc(MSG_DRAW, &d, 0);
    // From (x + 2, y + 2) to (x + w - 4, y + h - 4), black at its corner.
    EXPECT_TRUE(dotted_at(92, 117, 186, 129, BLACK, WHITE));
    EXPECT_EQ(screen_pixel(92, 117), BLACK);
    EXPECT_EQ(screen_pixel(187, 117), grey(255));
    // Pressed, the dots sink one pixel with the face.
    DIALOG p = row(90, 215, 100, 18, D_GOTFOCUS | D_SELECTED);
    theme_button_proc(MSG_DRAW, &p, 0);
    EXPECT_EQ(screen_pixel(93, 218), BLACK);
    EXPECT_EQ(screen_pixel(92, 217), grey(224));
}

TEST_F(AseLook, PressedLabelMovesOnePixelRightAndDown)
{
    DIALOG idle = row(20, 20, 100, 18, 0, "OK"), pressed = row(20, 60, 100, 18, D_SELECTED, "OK");
    theme_button_proc(MSG_DRAW, &idle, 0);
    theme_button_proc(MSG_DRAW, &pressed, 0);
    int il, it, pl, pt;
    ink_corner(22, 22, 117, 35, BLACK, &il, &it);
    ink_corner(22, 62, 117, 75, BLACK, &pl, &pt);
    EXPECT_EQ(pl, il + 1);
    EXPECT_EQ(pt - 40, it + 1);
}

TEST_F(AseLook, FiveHighSpansKeepTheirStartLevelInsteadOfDividingByZero)
{
    DIALOG box = row(10, 10, 30, 5), pressed = row(10, 30, 30, 5, D_SELECTED);
    theme_box_proc(MSG_DRAW, &box, 0);
    theme_shadow_box_proc(MSG_DRAW, &pressed, 0);
    EXPECT_TRUE(hline_is(12, 37, 12, grey(255)));
    EXPECT_TRUE(hline_is(12, 37, 32, grey(194)));
    for (int h = 0; h <= 4; ++h) {
        DIALOG tiny = row(100, 10 + 10 * h, 30, h, D_GOTFOCUS);
        theme_button_proc(MSG_DRAW, &tiny, 0);
    }
}

TEST_F(AseLook, CheckBoxIsTwelvePixelsSquareAndCentred)
{
    DIALOG d = row(50, 50, 100, 20, D_SELECTED, "Sails");
    theme_check_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(50, 61, 54, BLACK));
    EXPECT_TRUE(hline_is(50, 61, 65, BLACK));
    EXPECT_EQ(screen_pixel(50, 53), MAGENTA);
    EXPECT_EQ(screen_pixel(51, 55), grey(128));  // set: the pressed box
    int left, top;
    ink_corner(62, 50, 149, 69, BLACK, &left, &top);
    EXPECT_GE(left, 66);
}

// ---- edit field ----

struct AseEdit : AseLook {
    char text[64] = "Grog";
    DIALOG edit(int flags, int caret, int h = 14)
    {
        DIALOG d = row(40, 40, 100, h, flags, text);
        d.proc = theme_edit_proc;  // d_edit_proc redraws through it
        d.d1 = 60;
        d.d2 = caret;
        return d;
    }
};

TEST_F(AseEdit, StartGrowsTheRowAndOtherMessagesKeepWidthAndFlags)
{
    DIALOG low = edit(0, 0, 8);
    theme_edit_proc(MSG_START, &low, 0);
    EXPECT_EQ(low.h, text_height(font) + 6);
    EXPECT_EQ(low.w, 100);
    const int msgs[] = {MSG_IDLE, MSG_GOTFOCUS, MSG_LOSTFOCUS, MSG_WANTFOCUS, MSG_CHAR, MSG_UCHAR, MSG_END};
    for (int msg : msgs) {
        DIALOG d = edit(D_GOTFOCUS, 2);
        theme_edit_proc(msg, &d, msg == MSG_CHAR ? KEY_RIGHT << 8 : 'x');
        EXPECT_EQ(d.w, 100) << msg;
        EXPECT_EQ(d.x + d.y + d.h, 40 + 40 + 14) << msg;
        EXPECT_EQ(d.flags & ~D_DIRTY, D_GOTFOCUS) << msg;
    }
    EXPECT_EQ(edit_shift_depth, 0);
}

TEST_F(AseEdit, CaretCellIsReversedOnlyWhileFocused)
{
    const int th = text_height(font), cw = text_length(font, "G"), cy = 40 + 7 - th / 2;
    DIALOG focused = edit(D_GOTFOCUS, 0);
    theme_edit_proc(MSG_DRAW, &focused, 0);
    EXPECT_GT(count_colour(43, cy, 42 + cw, cy + th - 1, BLACK), cw * th / 2);
    EXPECT_GT(count_colour(43, cy, 42 + cw, cy + th - 1, WHITE), 0);
    EXPECT_EQ(screen_pixel(40, 40), BLACK);  // the well's dark top-left edge
    EXPECT_EQ(screen_pixel(120, 42), grey(224));

    DIALOG unfocused = edit(0, 0);
    unfocused.y = 80;
    theme_edit_proc(MSG_DRAW, &unfocused, 0);
    EXPECT_EQ(count_colour(43, cy + 40, 42 + cw, cy + 40 + th - 1, WHITE), 0);
}

TEST_F(AseEdit, LongTextScrollsToKeepTheCaretInside)
{
    std::snprintf(text, sizeof text, "%s", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    const int th = text_height(font), cw = text_length(font, "A"), cy = 40 + 7 - th / 2;
    DIALOG d = edit(D_GOTFOCUS, 36);
    theme_edit_proc(MSG_DRAW, &d, 0);
    // 94 measured pixels: the twelfth cell back from the caret overflows,
    // so ten characters and the caret's blank show.
    const int caret_x = 43 + 10 * cw;
    EXPECT_TRUE(rect_is(caret_x, cy, caret_x + cw - 1, cy + th - 1, BLACK));
    EXPECT_EQ(count_colour(138, 41, 139, 53, BLACK), 0);
}

TEST_F(AseEdit, TypingRedrawsTheWholeRow)
{
    // Allegro's logic runs on a narrower field; its redraw after a key is
    // still the row's full width.
    DIALOG d = edit(D_GOTFOCUS, 4);
    theme_edit_proc(MSG_UCHAR, &d, 'x');
    ASSERT_STREQ(text, "Grogx");
    EXPECT_TRUE(vline_is(139, 41, 53, WHITE));
    EXPECT_EQ(count_colour(40, 40, 139, 53, MAGENTA), 0);
}

TEST_F(AseEdit, FiveHighRowDrawsWithoutDividingByZero)
{
    DIALOG d = edit(D_GOTFOCUS, 1, 5);
    theme_edit_proc(MSG_DRAW, &d, 0);
    EXPECT_TRUE(hline_is(100, 137, 42, grey(224)));
}

}  // namespace
