// The "BeOS" look's buttons, boxes, check boxes, radio buttons, icons and
// windows, read back pixel by pixel.
#include "headless_beos_fixture.h"

namespace {

// A 60 x 20 row at (20, 30): R = 79, B = 49.
constexpr int X = 20, Y = 30, W = 60, H = 20, R = X + W - 1, B = Y + H - 1;

using BeosButton = BeosTest;

TEST_F(BeosButton, NormalFaceLineByLine)
{
    DIALOG d = row(beos_button_proc, X, Y, W, H);
    EXPECT_EQ(beos_button_proc(MSG_DRAW, &d, 0), D_O_K);

    // Outline with softened corners.
    EXPECT_TRUE(hline_is(X + 1, R - 1, Y, grey(96)));
    EXPECT_TRUE(hline_is(X + 1, R - 1, B, grey(96)));
    EXPECT_TRUE(vline_is(X, Y + 1, B - 1, grey(96)));
    EXPECT_TRUE(vline_is(R, Y + 1, B - 1, grey(96)));
    for (int cx : {X, R})
        for (int cy : {Y, B}) EXPECT_EQ(screen_pixel(cx, cy), grey(216)) << cx << "," << cy;

    // Highlights, face and shadows, in the order they overlap.
    EXPECT_TRUE(hline_is(X + 1, R - 1, Y + 1, grey(232)));
    EXPECT_TRUE(vline_is(X + 1, Y + 2, B - 1, grey(232)));
    EXPECT_TRUE(hline_is(X + 2, R - 2, Y + 2, white()));
    EXPECT_TRUE(vline_is(X + 2, Y + 3, B - 2, white()));
    EXPECT_TRUE(hline_is(X + 3, R - 3, Y + 3, white()));
    EXPECT_TRUE(vline_is(X + 3, Y + 4, B - 3, white()));
    EXPECT_TRUE(rect_is(X + 4, Y + 4, R - 3, B - 3, grey(232)));
    EXPECT_TRUE(hline_is(X + 3, R - 2, B - 2, grey(216)));
    EXPECT_TRUE(vline_is(R - 2, Y + 3, B - 3, grey(216)));
    EXPECT_TRUE(hline_is(X + 2, R - 1, B - 1, grey(152)));
    EXPECT_TRUE(vline_is(R - 1, Y + 2, B - 2, grey(152)));
    EXPECT_EQ(screen_pixel(X - 1, Y), untouched());
    EXPECT_EQ(screen_pixel(R + 1, B), untouched());
}

TEST_F(BeosButton, FocusedFaceIsYellow)
{
    DIALOG d = row(beos_button_proc, X, Y, W, H, D_GOTFOCUS);
    beos_button_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(X + 2, Y + 2), yellow_light());
    EXPECT_EQ(screen_pixel(X + 10, Y + 10), yellow_face());
    EXPECT_EQ(screen_pixel(R - 1, Y + 10), yellow_shadow());
}

TEST_F(BeosButton, LabelIsCentredInItsColour)
{
    char label[] = "OK";
    DIALOG d = row(beos_button_proc, X, Y, W, H, 0, 0, 0, label);
    beos_button_proc(MSG_DRAW, &d, 0);
    const int left = X + W / 2 - text_length(font, label) / 2;
    const int top = Y + H / 2 - th / 2;
    EXPECT_GT(count_colour(left, top, left + text_length(font, label) - 1, top + th - 1, black()), 0);
    EXPECT_EQ(count_colour(X, Y, left - 1, B, black()), 0);
}

TEST_F(BeosButton, DisabledSelectedUsesPressedDisabledSetWithWhiteLabel)
{
    char label[] = "OK";
    DIALOG d = row(beos_button_proc, X, Y, W, H, D_DISABLED | D_SELECTED | D_GOTFOCUS, 0, 0, label);
    beos_button_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(X + 2, Y + 2), grey(239));
    EXPECT_EQ(screen_pixel(X + 5, Y + 5), grey(184));
    EXPECT_EQ(screen_pixel(R - 1, Y + 10), grey(152));
    // White appears only in the label: the set itself has no white.
    EXPECT_GT(count_colour(X + 4, Y + 4, R - 3, B - 3, white()), 0);
    EXPECT_EQ(count_colour(X, Y, R, B, black()), 0);
}

TEST_F(BeosButton, DisabledFocusedUsesDisabledSetWithDimLabel)
{
    char label[] = "OK";
    DIALOG d = row(beos_button_proc, X, Y, W, H, D_DISABLED | D_GOTFOCUS, 0, 0, label);
    beos_button_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(X + 2, Y + 2), white());
    EXPECT_EQ(screen_pixel(R - 1, Y + 10), grey(216));
    EXPECT_EQ(count_colour(X, Y, R, B, yellow_face()), 0);
    EXPECT_GT(count_colour(X + 4, Y + 4, R - 3, B - 3, grey(184)), 0);
    EXPECT_EQ(count_colour(X, Y, R, B, black()), 0);
}

TEST_F(BeosButton, PressedIsDarkWithWhiteLabel)
{
    char label[] = "OK";
    DIALOG d = row(beos_button_proc, X, Y, W, H, D_SELECTED | D_GOTFOCUS, 0, 0, label);
    beos_button_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(X + 2, Y + 2), black());
    EXPECT_EQ(screen_pixel(X + 5, Y + 5), grey(23));
    EXPECT_EQ(screen_pixel(R - 1, Y + 10), grey(103));
    EXPECT_GT(count_colour(X + 4, Y + 4, R - 3, B - 3, white()), 0);
}

TEST_F(BeosButton, BoxesDrawTheSameFaceAndIgnoreEverythingElse)
{
    DIALOG d = row(beos_box_proc, X, Y, W, H);
    EXPECT_EQ(beos_box_proc(MSG_DRAW, &d, 0), D_O_K);
    BITMAP *first = create_bitmap(W, H);
    blit(screen, first, X, Y, 0, 0, W, H);
    clear_test_screen();
    EXPECT_EQ(beos_shadow_box_proc(MSG_DRAW, &d, 0), D_O_K);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) ASSERT_EQ(pixel_at(first, x, y), screen_pixel(X + x, Y + y));
    destroy_bitmap(first);

    clear_test_screen();
    for (int msg : {MSG_CLICK, MSG_KEY, MSG_WANTFOCUS, MSG_GOTFOCUS, MSG_IDLE, MSG_CHAR}) {
        EXPECT_EQ(beos_box_proc(msg, &d, 'a'), D_O_K);
        EXPECT_EQ(beos_shadow_box_proc(msg, &d, 'a'), D_O_K);
    }
    EXPECT_TRUE(rect_is(X, Y, R, B, untouched()));
}

TEST_F(BeosButton, IconIsAFaceWithThePictureStretchedInside)
{
    BITMAP *picture = create_bitmap(4, 4);
    clear_to_color(picture, makecol(0, 200, 0));
    DIALOG d = row(beos_icon_proc, X, Y, W, H, 0, 0, 0, picture);
    EXPECT_EQ(beos_icon_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(screen_pixel(X, Y), grey(216));
    EXPECT_TRUE(rect_is(X + 2, Y + 2, R - 2, B - 2, rgb16(0, 200, 0)));

    // A row without its picture still draws the face and does not crash.
    clear_test_screen();
    d.dp = nullptr;
    EXPECT_EQ(beos_icon_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(screen_pixel(X + 10, Y + 10), grey(232));
    destroy_bitmap(picture);
}

using BeosToggle = BeosTest;

// A check or radio row 20 high at (10, 10): its image sits at
// (12, 10 + 10 - th/2 - 2), its label at x + 20.
TEST_F(BeosToggle, CheckRowBackgroundImageAndLabel)
{
    char label[] = "Grog";
    DIALOG d = row(beos_check_proc, 10, 10, 100, 20, 0, 0, 0, label);
    EXPECT_EQ(beos_check_proc(MSG_DRAW, &d, 0), D_O_K);
    const int iy = 10 + 10 - th / 2 - 2;
    EXPECT_EQ(screen_pixel(10, 10), grey(232));
    EXPECT_EQ(screen_pixel(109, 29), grey(232));
    EXPECT_EQ(screen_pixel(12, iy), grey(184));         // box corner '.'
    EXPECT_EQ(screen_pixel(13, iy + 1), grey(96));      // 'x'
    EXPECT_EQ(screen_pixel(12 + 5, iy + 5), white());   // '|', no tick
    EXPECT_EQ(screen_pixel(11, iy), grey(232));
    EXPECT_GT(count_colour(30, 20 - th / 2, 30 + text_length(font, label), 20 - th / 2 + th - 1, black()), 0);
}

TEST_F(BeosToggle, CheckImageFollowsState)
{
    const int iy = 10 + 10 - th / 2 - 2;
    struct Case {
        int flags;
        Rgb at_3_3;  // the tick's first pixel, or the box under it
        Rgb at_1_1;  // the box's dark edge
        Rgb at_0_0;  // corner: plain box, or the focus outline
    };
    const Case cases[] = {
        {0, white(), grey(96), grey(184)},
        {D_SELECTED, focus_blue(), grey(96), grey(184)},
        {D_GOTFOCUS, rgb16(250, 250, 80), yellow_shadow(), grey(96)},
        {D_GOTFOCUS | D_SELECTED, focus_blue(), yellow_shadow(), grey(96)},
        {D_DISABLED | D_GOTFOCUS, grey(239), grey(152), grey(216)},
        {D_DISABLED | D_SELECTED | D_GOTFOCUS, rgb16(156, 156, 244), grey(152), grey(216)},
    };
    for (const Case &c : cases) {
        clear_test_screen();
        DIALOG d = row(beos_check_proc, 10, 10, 100, 20, c.flags);
        beos_check_proc(MSG_DRAW, &d, 0);
        EXPECT_EQ(screen_pixel(12 + 3, iy + 3), c.at_3_3) << "flags " << c.flags;
        EXPECT_EQ(screen_pixel(12 + 1, iy + 1), c.at_1_1) << "flags " << c.flags;
        EXPECT_EQ(screen_pixel(12, iy), c.at_0_0) << "flags " << c.flags;
    }
}

TEST_F(BeosToggle, DisabledLabelIsDim)
{
    char label[] = "Rum";
    DIALOG d = row(beos_radio_proc, 10, 10, 100, 20, D_DISABLED, 0, 0, label);
    beos_radio_proc(MSG_DRAW, &d, 0);
    const int ty = 20 - th / 2;
    EXPECT_GT(count_colour(30, ty, 30 + text_length(font, label), ty + th - 1, grey(184)), 0);
    EXPECT_EQ(count_colour(30, ty, 30 + text_length(font, label), ty + th - 1, black()), 0);
}

TEST_F(BeosToggle, RadioImageFollowsState)
{
    const int iy = 10 + 10 - th / 2 - 2;
    DIALOG d = row(beos_radio_proc, 10, 10, 100, 20, D_SELECTED);
    EXPECT_EQ(beos_radio_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_EQ(screen_pixel(12, iy), grey(235));           // '/' outside the circle
    EXPECT_EQ(screen_pixel(12 + 4, iy + 2), rgb16(0, 0, 154));
    EXPECT_EQ(screen_pixel(12 + 6, iy + 6), focus_blue());

    clear_test_screen();
    d.flags = D_GOTFOCUS;
    beos_radio_proc(MSG_DRAW, &d, 0);
    EXPECT_EQ(screen_pixel(12 + 4, iy), grey(96));        // focus ring over the '.'
    EXPECT_EQ(screen_pixel(12 + 6, iy + 6), rgb16(250, 250, 80));
}

using BeosWindow = BeosTest;

TEST_F(BeosWindow, NullTitleGetsASixteenPixelTab)
{
    DIALOG d = row(beos_window_proc, 10, 10, 200, 100);
    EXPECT_EQ(beos_window_proc(MSG_DRAW, &d, 0), D_O_K);
    const int T = 10 + th + 6, TR = 10 + 16 - 1, R = 209, B = 109;

    EXPECT_TRUE(hline_is(10, TR, 10, grey(152)));
    EXPECT_TRUE(vline_is(10, 10, B - 1, grey(152)));
    EXPECT_TRUE(hline_is(10, R, B, grey(96)));
    EXPECT_TRUE(vline_is(TR, 11, T - 1, grey(96)));
    EXPECT_TRUE(hline_is(TR + 1, R - 1, T - 1, grey(152)));
    EXPECT_TRUE(vline_is(R, T - 1, B - 1, grey(96)));
    EXPECT_TRUE(hline_is(11, TR - 1, 11, yellow_light()));
    EXPECT_TRUE(vline_is(TR - 1, 12, T - 1, yellow_shadow()));
    EXPECT_TRUE(rect_is(12, 12, TR - 2, T - 1, yellow_face()));
    // Beside the tab the window leaves the screen alone.
    EXPECT_TRUE(rect_is(TR + 1, 10, R, T - 2, untouched()));

    EXPECT_TRUE(vline_is(11, T, B - 2, white()));
    EXPECT_TRUE(hline_is(TR - 1, R - 2, T, white()));
    EXPECT_TRUE(hline_is(12, TR - 2, T, grey(232)));
    EXPECT_TRUE(hline_is(11, R - 1, B - 1, grey(152)));
    EXPECT_TRUE(vline_is(R - 1, T, B - 2, white()));
    EXPECT_TRUE(rect_is(12, T + 1, R - 2, B - 2, grey(232)));
}

TEST_F(BeosWindow, TitleWidensTheTabAndIsPlainText)
{
    char title[] = "A&B";
    DIALOG d = row(beos_window_proc, 10, 10, 200, 100, 0, 0, 0, title);
    beos_window_proc(MSG_DRAW, &d, 0);
    const int TR = 10 + text_length(font, title) + 16 - 1;
    EXPECT_TRUE(vline_is(TR, 11, 10 + th + 5, grey(96)));
    EXPECT_EQ(screen_pixel(TR + 1, 12), untouched());
    // Drawn with textout_ex: the ampersand is a glyph, so all three show.
    const int ink = count_colour(16, 14, 16 + text_length(font, title) - 1, 14 + th - 1, black());
    const int ink_plain = [&] {
        BITMAP *probe = create_bitmap(64, 16);
        clear_to_color(probe, makecol(255, 255, 255));
        textout_ex(probe, font, title, 0, 0, makecol(0, 0, 0), -1);
        int n = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 64; ++x) n += getpixel(probe, x, y) == makecol(0, 0, 0);
        destroy_bitmap(probe);
        return n;
    }();
    EXPECT_EQ(ink, ink_plain);
    EXPECT_EQ(beos_window_proc(MSG_CLICK, &d, 0), D_O_K);
}

TEST_F(BeosTest, ClearFillsTheScreenWithTheFace)
{
    DIALOG d = row(beos_clear_proc, 0, 0, 10, 10);
    EXPECT_EQ(beos_clear_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(0, 0, TEST_SCREEN_W - 1, TEST_SCREEN_H - 1, grey(235)));
}

TEST_F(BeosTest, RecordPublishesItsColours)
{
    EXPECT_EQ(find_theme("BeOS"), theme_beos);
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_bg_color, makecol(235, 235, 235));
    EXPECT_EQ(theme_mg_color, makecol(184, 184, 184));
    EXPECT_EQ(theme_beos->text_proc, themed_text_proc);
    EXPECT_EQ(theme_beos->ctext_proc, themed_ctext_proc);
    EXPECT_EQ(theme_beos->rtext_proc, themed_rtext_proc);
}

TEST_F(BeosTest, KindsOutsideTheTableDrawNothing)
{
    char label[] = "x";
    for (int kind : {11, 12, 1000, -1}) beos_draw_widget(screen, 10, 10, 100, 100, D_GOTFOCUS, kind, label);
    EXPECT_TRUE(rect_is(0, 0, 200, 200, untouched()));
}

}  // namespace
