// The sprite sheet as the game will read it: size, layout, transparency,
// facings and colours that survive the game's 16-bit screen.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "Gfx/palette.h"
#include "allegro_fixture.h"
#include "sprite_sheet.h"

namespace {

::testing::Environment *const allegroEnv = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

class TileSheetArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { sheet = buildSpriteSheet(); }
    static void TearDownTestSuite()
    {
        if (sheet) destroy_bitmap(sheet);
        sheet = nullptr;
    }
    void SetUp() override { ASSERT_NE(sheet, nullptr); }

    static int px(int column, int row, int x, int y) { return getpixel(sheet, column * 32 + x, row * 32 + y); }
    static bool isMask(int c) { return c == bitmap_mask_color(sheet); }

    static int maskCount(int column, int row)
    {
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) n += isMask(px(column, row, x, y));
        return n;
    }
    static int differingPixels(int c1, int r1, int c2, int r2, bool mirrorSecond = false)
    {
        int n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) n += px(c1, r1, x, y) != px(c2, r2, mirrorSecond ? 31 - x : x, y);
        return n;
    }
    // Mean x of the pixels of one exact colour inside a cell; -1 when absent.
    static double meanXOf(int column, int row, int colour, int y0, int y1)
    {
        double sum = 0;
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = 0; x < 32; ++x)
                if (px(column, row, x, y) == colour) {
                    sum += x;
                    ++n;
                }
        return n ? sum / n : -1;
    }
    static int paletteColour24(char ch)
    {
        int r, g, b;
        EXPECT_TRUE(paletteColour(ch, &r, &g, &b)) << ch;
        return makecol24(r, g, b);
    }

    static BITMAP *sheet;
};
BITMAP *TileSheetArt::sheet = nullptr;

TEST_F(TileSheetArt, IsSixColumnsByTwelveRowsOfCells)
{
    EXPECT_EQ(sheet->w, 192);
    EXPECT_EQ(sheet->h, 384);
    EXPECT_EQ(bitmap_color_depth(sheet), 24);
    EXPECT_EQ(bitmap_mask_color(sheet), makecol24(255, 0, 255));
}

TEST_F(TileSheetArt, CellsUnderEverythingAreOpaque)
{
    // Hatch, ladder, deck, both sea frames and the five walls hide the sea.
    for (int row = 0; row <= 9; ++row) EXPECT_EQ(maskCount(4, row), 0) << "column 4 row " << row;
}

TEST_F(TileSheetArt, ActorsBottlesAndBridgeLetTheSeaShow)
{
    for (int row = 0; row < 12; ++row)
        for (int column = 0; column < 4; ++column) {
            const int masked = maskCount(column, row);
            EXPECT_GT(masked, 300) << "actor cell " << column << "," << row << " should be mostly transparent";
            EXPECT_LT(masked, 1024 - 120) << "actor cell " << column << "," << row << " is nearly empty";
        }
    for (int frame = 0; frame < 5; ++frame) EXPECT_GT(maskCount(5, frame), 600) << "bottle " << frame;
    const int bridge = maskCount(5, 6);
    EXPECT_GT(bridge, 50);
    EXPECT_LT(bridge, 400);
}

TEST_F(TileSheetArt, EveryColourSurvivesSixteenBitsAndNeverTurnsIntoTheMask)
{
    std::set<int> seen;
    for (int y = 0; y < sheet->h; ++y)
        for (int x = 0; x < sheet->w; ++x) {
            const int c = getpixel(sheet, x, y);
            if (isMask(c)) continue;
            seen.insert(c);
        }
    std::set<int> as16;
    for (int c : seen) {
        const int r = getr24(c), g = getg24(c), b = getb24(c);
        const int c16 = makecol16(r, g, b);
        EXPECT_NE(c16, MASK_COLOR_16) << std::hex << c;
        EXPECT_EQ(makecol24(getr16(c16), getg16(c16), getb16(c16)), c) << std::hex << c << " changes at 16 bits";
        as16.insert(c16);
    }
    EXPECT_EQ(as16.size(), seen.size()) << "two colours merge at 16 bits";
    EXPECT_LE(seen.size(), static_cast<size_t>(artPaletteSize()));
}

TEST_F(TileSheetArt, WallVariantsShareTheirEdgesSoAnyOrderTiles)
{
    for (int variant = 1; variant < 5; ++variant)
        for (int i = 0; i < 32; ++i) {
            EXPECT_EQ(px(4, 5 + variant, 0, i), px(4, 5, 0, i)) << "left edge, variant " << variant;
            EXPECT_EQ(px(4, 5 + variant, 31, i), px(4, 5, 31, i)) << "right edge, variant " << variant;
            EXPECT_EQ(px(4, 5 + variant, i, 0), px(4, 5, i, 0)) << "top edge, variant " << variant;
            EXPECT_EQ(px(4, 5 + variant, i, 31), px(4, 5, i, 31)) << "bottom edge, variant " << variant;
        }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) EXPECT_GT(differingPixels(4, 5 + a, 4, 5 + b), 8) << a << " vs " << b;
}

TEST_F(TileSheetArt, SeaRollsGentlyAndWrapsAround)
{
    const int changed = differingPixels(4, 3, 4, 4);
    EXPECT_GT(changed, 40) << "the two sea frames must differ";
    EXPECT_LT(changed, 400) << "the swell should move gently, not flash";
    // The second frame is the first one moved: the same colours in the same
    // amounts, so neither frame has a seam where it wraps.
    std::multiset<int> a, b;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            a.insert(px(4, 3, x, y));
            b.insert(px(4, 4, x, y));
        }
    EXPECT_EQ(a, b);
}

TEST_F(TileSheetArt, StairsUpAndDownArePlainlyDifferent)
{
    EXPECT_GT(differingPixels(4, 0, 4, 1), 250);
    // The hatch down is a dark hole; the ladder up is lit.
    auto meanLight = [&](int row) {
        long sum = 0;
        for (int y = 8; y < 24; ++y)
            for (int x = 10; x < 22; ++x) {
                const int c = px(4, row, x, y);
                sum += (getr24(c) * 30 + getg24(c) * 59 + getb24(c) * 11) / 100;
            }
        return sum / (16 * 12);
    };
    EXPECT_LT(meanLight(0) + 30, meanLight(1));
}

TEST_F(TileSheetArt, BottleGlintsOnEveryFrame)
{
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b) EXPECT_GT(differingPixels(5, a, 5, b), 2) << a << " vs " << b;
}

TEST_F(TileSheetArt, PlayerRowsFaceUpRightDownLeft)
{
    // Left is the right-facing row in a mirror, frame by frame.
    for (int frame = 0; frame < 4; ++frame) EXPECT_EQ(differingPixels(frame, 3, frame, 1, true), 0) << frame;
    // Facing right, the face (skin) lies right of the middle; facing left, left of it.
    const int skin = paletteColour24('f');
    EXPECT_GT(meanXOf(0, 1, skin, 5, 10), 17.0);
    EXPECT_LT(meanXOf(0, 3, skin, 5, 10), 14.0);
    // Up shows the back (no face), down the face.
    EXPECT_LT(meanXOf(2, 0, skin, 5, 10), 0.0 + 1e-9);
    EXPECT_GT(meanXOf(2, 2, skin, 5, 10), 0.0);
}

TEST_F(TileSheetArt, PlayerWalksInEveryFacing)
{
    for (int facing = 0; facing < 4; ++facing) EXPECT_GT(differingPixels(0, facing, 1, facing), 10) << facing;
    // Up and down cycle through four frames: steps on both feet.
    for (int facing : {0, 2}) EXPECT_GT(differingPixels(0, facing, 2, facing), 10) << facing;
}

TEST_F(TileSheetArt, MonsterHorizontalRowsAreTheReverseOfThePlayers)
{
    // Skeleton rows 8-11 face up, left, down, right: its eyes glow on the
    // side it faces.
    const int glow = paletteColour24('Z');
    EXPECT_LT(meanXOf(0, 9, glow, 0, 13), 14.0) << "row 9 must face left";
    EXPECT_GT(meanXOf(0, 11, glow, 0, 13), 17.0) << "row 11 must face right";
    EXPECT_LT(meanXOf(0, 8, glow, 0, 13), 0.0 + 1e-9) << "row 8 shows the back of the skull";
    // The crab looks the way it heads: pupils left in row 5, right in row 7.
    const int ink = paletteColour24('K');
    // Ink in the left half of each eye minus ink in its right half.
    auto pupilBias = [&](int row) {
        int bias = 0;
        for (int y = 12; y <= 14; ++y)
            for (int eyeLeft : {9, 17})
                for (int i = 0; i < 3; ++i)
                    bias += (px(0, row, eyeLeft + i, y) == ink) - (px(0, row, eyeLeft + 3 + i, y) == ink);
        return bias;
    };
    EXPECT_GT(pupilBias(5), 0) << "row 5 must look left";
    EXPECT_LT(pupilBias(7), 0) << "row 7 must look right";
}

TEST_F(TileSheetArt, MonsterVarietiesDifferAtAGlance)
{
    auto meanColour = [&](int row, int *r, int *g, int *b) {
        long sr = 0, sg = 0, sb = 0, n = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int c = px(0, row, x, y);
                if (isMask(c)) continue;
                sr += getr24(c);
                sg += getg24(c);
                sb += getb24(c);
                ++n;
            }
        *r = static_cast<int>(sr / n);
        *g = static_cast<int>(sg / n);
        *b = static_cast<int>(sb / n);
    };
    for (int facing = 0; facing < 4; ++facing) {
        int r1, g1, b1, r2, g2, b2;
        meanColour(4 + facing, &r1, &g1, &b1);
        meanColour(8 + facing, &r2, &g2, &b2);
        EXPECT_GT(std::abs(r1 - r2) + std::abs(g1 - g2) + std::abs(b1 - b2), 80) << "facing " << facing;
        for (int frame = 1; frame < 4; ++frame) {
            EXPECT_GT(differingPixels(0, 4 + facing, frame, 4 + facing), 10) << "crab frame " << frame;
        }
    }
}

TEST(SheetColours, SnappingKeepsValuesAllegroWidensBackUnchanged)
{
    for (int v = 0; v < 256; ++v) {
        const int rb = snapRedBlue(v), g = snapGreen(v);
        EXPECT_EQ(getr16(makecol16(rb, 0, 0)), rb) << v;
        EXPECT_EQ(getg16(makecol16(0, g, 0)), g) << v;
        EXPECT_LE(std::abs(rb - v), 8) << v;
        EXPECT_LE(std::abs(g - v), 4) << v;
    }
    EXPECT_EQ(snapRedBlue(255), 255);
    EXPECT_EQ(snapRedBlue(-4), 0);
    EXPECT_EQ(snapGreen(300), 255);
}

TEST(SheetColours, MirroredArtMirrorsShortRowsAboutTheSameAxis)
{
    BITMAP *b = create_bitmap_ex(24, 8, 1);
    ASSERT_NE(b, nullptr);
    clear_to_color(b, makecol24(1, 2, 3));
    const char *rows[] = {"KW"};  // shorter than the 8-pixel width
    paintArt(b, 0, 0, rows, 8, 1, true);
    int r, g, bl;
    ASSERT_TRUE(paletteColour('K', &r, &g, &bl));
    EXPECT_EQ(getpixel(b, 7, 0), makecol24(r, g, bl));
    ASSERT_TRUE(paletteColour('W', &r, &g, &bl));
    EXPECT_EQ(getpixel(b, 6, 0), makecol24(r, g, bl));
    EXPECT_EQ(getpixel(b, 0, 0), makecol24(1, 2, 3)) << "untouched where the row had nothing";
    destroy_bitmap(b);
}

}  // namespace
