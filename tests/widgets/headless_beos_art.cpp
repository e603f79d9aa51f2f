// The "BeOS" look's sixteen images against their templates and colour keys,
// and paint_template's rules for blanks and unknown symbols.
#include "headless_beos_fixture.h"

namespace {

using BeosArt = BeosTest;

struct Probe {
    int x, y;
    Rgb want;
};

// `mask` stands for the bitmap's transparent colour.
const Rgb MASK = {-1, -1, -1};

void expect_pixels(BITMAP *bmp, const char *name, std::initializer_list<Probe> probes)
{
    ASSERT_NE(bmp, nullptr) << name;
    EXPECT_EQ(bmp->w, 13) << name;
    EXPECT_EQ(bmp->h, 13) << name;
    for (const Probe &p : probes) {
        if (p.want == MASK)
            EXPECT_EQ(getpixel(bmp, p.x, p.y), bitmap_mask_color(bmp)) << name << " at " << p.x << "," << p.y;
        else
            EXPECT_EQ(pixel_at(bmp, p.x, p.y), p.want) << name << " at " << p.x << "," << p.y;
    }
}

TEST_F(BeosArt, CheckBoxImages)
{
    BITMAP **c = beos_check_bitmaps;
    expect_pixels(c[0], "check plain", {{0, 0, grey(184)}, {1, 1, grey(96)}, {5, 5, white()},
                                        {11, 5, grey(216)}, {12, 12, white()}, {3, 3, white()}});
    expect_pixels(c[1], "check ticked", {{3, 3, focus_blue()}, {6, 6, focus_blue()}, {5, 3, white()},
                                         {1, 1, grey(96)}, {9, 9, focus_blue()}});
    // The focus outline covers the box's own edge; inside, the focus key.
    expect_pixels(c[2], "check focus", {{0, 0, grey(96)}, {12, 6, grey(96)}, {1, 1, yellow_shadow()},
                                        {5, 5, rgb16(250, 250, 80)}, {11, 5, yellow_face()}});
    expect_pixels(c[3], "check focus ticked", {{0, 12, grey(96)}, {3, 3, focus_blue()},
                                               {5, 3, rgb16(250, 250, 80)}, {1, 2, yellow_shadow()}});
    expect_pixels(c[4], "check disabled", {{0, 0, grey(216)}, {1, 1, grey(152)}, {5, 5, grey(239)},
                                           {11, 5, grey(184)}});
    expect_pixels(c[5], "check disabled ticked", {{3, 3, rgb16(156, 156, 244)}, {5, 3, grey(239)},
                                                  {0, 0, grey(216)}});
}

TEST_F(BeosArt, RadioImages)
{
    BITMAP **r = beos_radio_bitmaps;
    expect_pixels(r[0], "radio plain", {{0, 0, grey(235)}, {4, 0, grey(184)}, {4, 1, grey(96)},
                                        {6, 6, white()}, {4, 11, grey(216)}, {12, 12, grey(235)}});
    // The dot leaves the circle showing through its blanks.
    expect_pixels(r[1], "radio ticked", {{4, 2, rgb16(0, 0, 154)}, {5, 4, white()}, {6, 6, focus_blue()},
                                         {3, 2, grey(96)}, {0, 0, grey(235)}});
    expect_pixels(r[2], "radio focus", {{4, 0, grey(96)}, {0, 6, grey(96)}, {0, 0, grey(235)},
                                        {6, 6, rgb16(250, 250, 80)}, {4, 1, yellow_shadow()}});
    expect_pixels(r[3], "radio focus ticked", {{6, 6, focus_blue()}, {0, 5, grey(96)}, {4, 10, rgb16(0, 0, 154)}});
    expect_pixels(r[4], "radio disabled", {{4, 0, grey(216)}, {6, 6, grey(239)}, {4, 1, grey(152)}});
    expect_pixels(r[5], "radio disabled ticked", {{6, 6, rgb16(156, 156, 244)}, {4, 2, rgb16(102, 102, 152)},
                                                  {0, 0, grey(235)}});
}

TEST_F(BeosArt, KnobImagesAreTransparentWhereBlank)
{
    expect_pixels(beos_knob_bitmaps[0], "knob",
                  {{0, 0, MASK}, {1, 0, grey(120)}, {5, 5, grey(240)}, {11, 1, black()}, {9, 5, grey(200)},
                   {10, 5, grey(144)}, {12, 5, MASK}, {0, 1, white()}, {6, 12, MASK}, {1, 11, black()}});
    expect_pixels(beos_knob_bitmaps[1], "knob focus",
                  {{0, 0, MASK}, {5, 5, rgb16(250, 250, 80)}, {9, 5, yellow_face()}, {10, 5, yellow_shadow()},
                   {1, 0, grey(120)}, {0, 1, rgb16(250, 250, 80)}});
}

TEST_F(BeosArt, ArrowImages)
{
    expect_pixels(beos_arrow_bitmaps[0], "arrow",
                  {{0, 0, MASK}, {1, 2, grey(128)}, {2, 3, white()}, {3, 5, grey(216)}, {8, 6, grey(152)},
                   {12, 6, MASK}, {0, 6, MASK}});
    expect_pixels(beos_arrow_bitmaps[1], "arrow selected",
                  {{2, 3, grey(239)}, {3, 5, grey(184)}, {1, 2, grey(128)}, {5, 7, grey(152)}, {0, 0, MASK}});
}

TEST_F(BeosArt, PaintTemplateLeavesBlanksAndUnknownSymbolsAlone)
{
    BITMAP *bmp = create_bitmap(13, 13);
    clear_to_color(bmp, makecol(1, 2, 3));
    const Rgb before = pixel_at(bmp, 0, 0);
    // The focus key has no ',' or ';': the arrow's shading stays as it was.
    paint_template(bmp, &ARROW_TEMPLATE[0][0], KEY_FOCUS);
    EXPECT_EQ(pixel_at(bmp, 1, 2), before);   // ','
    EXPECT_EQ(pixel_at(bmp, 8, 6), before);   // ';'
    EXPECT_EQ(pixel_at(bmp, 0, 0), before);   // blank
    EXPECT_EQ(pixel_at(bmp, 2, 3), rgb16(250, 250, 80));  // '|'
    EXPECT_EQ(pixel_at(bmp, 3, 5), yellow_face());        // '_'
    destroy_bitmap(bmp);
}

TEST_F(BeosArt, PaintTemplateStaysInsideTheTemplate)
{
    // A bitmap larger than 13 x 13 only receives the template's pixels.
    BITMAP *big = create_bitmap(20, 20);
    clear_to_color(big, makecol(1, 2, 3));
    const Rgb before = pixel_at(big, 19, 19);
    paint_template(big, &BOX_FOCUS_TEMPLATE[0][0], KEY_NORMAL);
    EXPECT_EQ(pixel_at(big, 12, 12), grey(96));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(pixel_at(big, 13, i), before) << i;
        EXPECT_EQ(pixel_at(big, i, 13), before) << i;
    }
    destroy_bitmap(big);

    // A smaller one is painted as far as it goes.
    BITMAP *small = create_bitmap(5, 3);
    clear_to_color(small, makecol(1, 2, 3));
    paint_template(small, &BOX_TEMPLATE[0][0], KEY_NORMAL);
    EXPECT_EQ(pixel_at(small, 4, 2), white());
    EXPECT_EQ(pixel_at(small, 1, 1), grey(96));
    destroy_bitmap(small);

    paint_template(nullptr, &BOX_TEMPLATE[0][0], KEY_NORMAL);  // no bitmap: nothing happens
}

TEST_F(BeosArt, KeysEndWithAZeroEntryAndHoldEachSymbolOnce)
{
    for (const ArtKey *key : {KEY_NORMAL, KEY_FOCUS, KEY_DISABLED}) {
        std::string seen;
        for (const ArtKey *e = key; e->ch != '\0'; ++e) {
            EXPECT_EQ(seen.find(e->ch), std::string::npos) << e->ch;
            seen += e->ch;
        }
        EXPECT_EQ(seen.size(), key == KEY_FOCUS ? 12u : 14u);
    }
}

}  // namespace
