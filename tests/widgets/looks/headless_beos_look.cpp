// The "BeOS" look's button faces, check boxes, images and window frame,
// read back pixel by pixel.
#include "headless_beos_fixture.h"

namespace {

using BeosLook = BeosTest;

// A 60 x 20 button at (20, 30): R = 79, B = 49.
TEST_F(BeosLook, ButtonFaceLineByLine)
{
    DIALOG d = row(beos_button_proc, 20, 30, 60, 20);
    EXPECT_EQ(beos_button_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(hline_is(21, 78, 30, grey(96)));
    EXPECT_TRUE(vline_is(20, 31, 48, grey(96)));
    EXPECT_EQ(screen_pixel(79, 49), grey(216));
    EXPECT_TRUE(hline_is(21, 78, 31, grey(232)));
    EXPECT_TRUE(hline_is(23, 76, 33, white()));
    EXPECT_TRUE(rect_is(24, 34, 76, 46, grey(232)));
    EXPECT_TRUE(hline_is(23, 77, 47, grey(216)));
    EXPECT_TRUE(hline_is(22, 78, 48, grey(152)));
    EXPECT_TRUE(vline_is(78, 32, 47, grey(152)));
}

// Pressed wins over disabled, disabled over focus; pressed labels are white.
TEST_F(BeosLook, ButtonSetAndLabelFollowState)
{
    struct Case {
        int flags;
        Rgb light, face, shadow, label;
    };
    const Case cases[] = {
        {D_GOTFOCUS, yellow_light(), yellow_face(), yellow_shadow(), black()},
        {D_GOTFOCUS | D_DISABLED, white(), grey(232), grey(216), grey(184)},
        {D_GOTFOCUS | D_SELECTED, black(), grey(23), grey(103), white()},
        {D_GOTFOCUS | D_DISABLED | D_SELECTED, grey(239), grey(184), grey(152), white()},
    };
    char label[] = "OK";
    for (const Case &c : cases) {
        clear_test_screen();
        DIALOG d = row(beos_button_proc, 20, 30, 60, 20, c.flags, 0, 0, label);
        beos_button_proc(MSG_DRAW, &d, 0);
        EXPECT_EQ(screen_pixel(22, 32), c.light) << c.flags;
        EXPECT_EQ(screen_pixel(25, 35), c.face) << c.flags;
        EXPECT_EQ(screen_pixel(78, 40), c.shadow) << c.flags;
        EXPECT_GT(count_colour(42, 36, 57, 36 + th - 1, c.label), 0) << c.flags;  // centred
    }
}

TEST_F(BeosLook, BoxesAnswerEverythingWithOkAndIconsSurviveNoPicture)
{
    DIALOG d = row(beos_box_proc, 20, 30, 60, 20);
    for (int msg : {MSG_CLICK, MSG_KEY, MSG_WANTFOCUS, MSG_CHAR})
        EXPECT_EQ(beos_box_proc(msg, &d, 'a') | beos_shadow_box_proc(msg, &d, 'a'), D_O_K);
    EXPECT_TRUE(rect_is(20, 30, 79, 49, untouched()));
    EXPECT_EQ(beos_shadow_box_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(24, 34, 76, 46, grey(232)));
    clear_test_screen();
    EXPECT_EQ(beos_icon_proc(MSG_DRAW, &d, 0), D_O_K);  // dp null: just the face
    EXPECT_TRUE(rect_is(24, 34, 76, 46, grey(232)));
}

// A check row 20 high at (10, 10): image at (12, 20 - th/2 - 2), label at x + 20.
TEST_F(BeosLook, CheckRowImageAndLabelFollowState)
{
    struct Case {
        int flags;
        Rgb tick, edge, corner, label;  // image pixels (3,3), (1,1), (0,0)
    };
    const Case cases[] = {
        {0, white(), grey(96), grey(184), black()},
        {D_GOTFOCUS | D_SELECTED, focus_blue(), yellow_shadow(), grey(96), black()},
        {D_DISABLED | D_GOTFOCUS, grey(239), grey(152), grey(216), grey(184)},
        {D_DISABLED | D_SELECTED, rgb16(156, 156, 244), grey(152), grey(216), grey(184)},
    };
    char label[] = "Grog";
    const int iy = 20 - th / 2 - 2, ty = 20 - th / 2;
    for (const Case &c : cases) {
        clear_test_screen();
        DIALOG d = row(beos_check_proc, 10, 10, 100, 20, c.flags, 0, 0, label);
        EXPECT_EQ(beos_check_proc(MSG_DRAW, &d, 0), D_O_K);
        EXPECT_EQ(screen_pixel(109, 29), grey(232)) << c.flags;
        EXPECT_EQ(screen_pixel(15, iy + 3), c.tick) << c.flags;
        EXPECT_EQ(screen_pixel(13, iy + 1), c.edge) << c.flags;
        EXPECT_EQ(screen_pixel(12, iy), c.corner) << c.flags;
        EXPECT_GT(count_colour(30, ty, 61, ty + th - 1, c.label), 0) << c.flags;
    }
}

// Each of the sixteen images against its template and key; MASK stands
// for the transparent colour.
TEST_F(BeosLook, ImagesMatchTheirTemplates)
{
    const Rgb MASK = {-1, -1, -1};
    struct Probe {
        BITMAP *bmp;
        int x, y;
        Rgb want;
    };
    BITMAP **c = beos_check_bitmaps, **r = beos_radio_bitmaps, **k = beos_knob_bitmaps, **a = beos_arrow_bitmaps;
    // clang-format off
    const Probe probes[] = {
        {c[0], 11, 5, grey(216)},        {c[0], 12, 12, white()},
        {c[1], 9, 9, focus_blue()},      {c[1], 5, 3, white()},  // box shows between the strokes
        {c[2], 12, 6, grey(96)},         {c[2], 11, 5, yellow_face()},
        {c[3], 5, 3, rgb16(250, 250, 80)}, {c[3], 0, 12, grey(96)},
        {c[4], 11, 5, grey(184)},        {c[5], 5, 3, grey(239)},
        {r[0], 0, 0, grey(235)},         {r[0], 4, 11, grey(216)},
        {r[1], 5, 4, white()},           {r[1], 3, 2, grey(96)},  // circle shows beside the dot
        {r[2], 4, 0, grey(96)},          {r[2], 4, 1, yellow_shadow()},
        {r[3], 4, 10, rgb16(0, 0, 154)}, {r[3], 0, 5, grey(96)},
        {r[4], 4, 0, grey(216)},         {r[4], 6, 6, grey(239)},
        {r[5], 4, 2, rgb16(102, 102, 152)}, {r[5], 6, 6, rgb16(156, 156, 244)},
        {k[0], 0, 0, MASK},              {k[0], 11, 1, black()},
        {k[0], 9, 5, grey(200)},         {k[0], 12, 5, MASK},
        {k[1], 9, 5, yellow_face()},     {k[1], 10, 5, yellow_shadow()},
        {a[0], 1, 2, grey(128)},         {a[0], 8, 6, grey(152)},
        {a[0], 0, 6, MASK},              {a[1], 2, 3, grey(239)},
        {a[1], 3, 5, grey(184)},         {a[1], 12, 12, MASK},
    };
    // clang-format on
    for (const Probe &p : probes) {
        ASSERT_NE(p.bmp, nullptr);
        EXPECT_EQ(p.bmp->w, 13);
        if (p.want == MASK)
            EXPECT_EQ(getpixel(p.bmp, p.x, p.y), bitmap_mask_color(p.bmp)) << p.x << "," << p.y;
        else
            EXPECT_EQ(pixel_at(p.bmp, p.x, p.y), p.want) << p.x << "," << p.y;
    }
}

TEST_F(BeosLook, PaintTemplateKeepsToTheTemplateAndTheKey)
{
    BITMAP *big = create_bitmap(20, 20);
    clear_to_color(big, makecol(1, 2, 3));
    const Rgb before = pixel_at(big, 0, 0);
    // The focus key has no ',' or ';'; blanks are never painted.
    paint_template(big, &ARROW_TEMPLATE[0][0], KEY_FOCUS);
    EXPECT_EQ(pixel_at(big, 1, 2), before);
    EXPECT_EQ(pixel_at(big, 8, 6), before);
    EXPECT_EQ(pixel_at(big, 2, 3), rgb16(250, 250, 80));
    // A bitmap larger than the template gets only its 13 x 13.
    paint_template(big, &BOX_FOCUS_TEMPLATE[0][0], KEY_NORMAL);
    EXPECT_EQ(pixel_at(big, 12, 12), grey(96));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(pixel_at(big, 13, i), before);
        EXPECT_EQ(pixel_at(big, i, 13), before);
    }
    destroy_bitmap(big);
}

TEST_F(BeosLook, WindowWithoutTitleHasASixteenPixelTab)
{
    DIALOG d = row(beos_window_proc, 10, 10, 200, 100);
    EXPECT_EQ(beos_window_proc(MSG_DRAW, &d, 0), D_O_K);
    const int T = 10 + th + 6, TR = 25, R = 209, B = 109;
    EXPECT_TRUE(hline_is(10, TR, 10, grey(152)));
    EXPECT_TRUE(vline_is(TR, 11, T - 1, grey(96)));
    EXPECT_TRUE(rect_is(12, 12, TR - 2, T - 1, yellow_face()));
    EXPECT_TRUE(vline_is(TR - 1, 12, T - 1, yellow_shadow()));
    EXPECT_TRUE(rect_is(TR + 1, 10, R, T - 2, untouched()));  // beside the tab
    EXPECT_TRUE(hline_is(TR - 1, R - 2, T, white()));
    EXPECT_TRUE(hline_is(10, R, B, grey(96)));
    EXPECT_TRUE(rect_is(12, T + 1, R - 2, B - 2, grey(232)));
}

TEST_F(BeosLook, KindsOutsideTheTableDrawNothing)
{
    char label[] = "x";
    for (int kind : {11, 1000, -1}) beos_draw_widget(screen, 10, 10, 100, 100, D_GOTFOCUS, kind, label);
    EXPECT_TRUE(rect_is(0, 0, 200, 200, untouched()));
}

}  // namespace
