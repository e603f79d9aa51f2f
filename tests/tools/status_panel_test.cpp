// The status bar background: its size, and calm light parchment wherever
// the game writes its black counters.
#include <allegro.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "allegro_fixture.h"
#include "status_panel.h"

namespace {

::testing::Environment *const allegroEnv = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

int luminance(int c)
{
    return (getr24(c) * 30 + getg24(c) * 59 + getb24(c) * 11) / 100;
}

class StatusPanelArt : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(panel = buildStatusPanel(), nullptr); }
    void TearDown() override { destroy_bitmap(panel); }
    BITMAP *panel = nullptr;
};

TEST_F(StatusPanelArt, FillsTheWholeBarWithNoTransparentHoles)
{
    EXPECT_EQ(panel->w, 800);
    EXPECT_EQ(panel->h, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_NE(getpixel(panel, x, y), bitmap_mask_color(panel)) << x << "," << y;
}

TEST_F(StatusPanelArt, TextAreasAreCalmAndLight)
{
    // One pixel round each area too: letters must not touch a darker edge.
    for (const TextArea &a : STATUS_TEXT_AREAS) {
        int lo = 255, hi = 0;
        for (int y = a.y0 - 1; y <= a.y1; ++y)
            for (int x = a.x0 - 1; x <= a.x1; ++x) {
                const int l = luminance(getpixel(panel, x, y));
                lo = std::min(lo, l);
                hi = std::max(hi, l);
            }
        EXPECT_GE(lo, 170) << "area at " << a.x0 << "," << a.y0 << " has dark pixels";
        EXPECT_LE(hi - lo, 30) << "area at " << a.x0 << "," << a.y0 << " is busy";
    }
}

TEST_F(StatusPanelArt, TheTextAreasCoverWhereTheGameWrites)
{
    // "Bottles left: 9999" ends at x 700 and "Score: 9999999" too; both fit.
    const int longest = text_length(font, "Bottles left: 9999");
    bool covered = false;
    for (const TextArea &a : STATUS_TEXT_AREAS) covered |= a.x1 == 700 && a.y0 == 35 && a.x0 <= 700 - longest;
    EXPECT_TRUE(covered);
}

TEST_F(StatusPanelArt, TheRestIsDarkerWoodSoTheParchmentStandsOut)
{
    long sum = 0;
    for (int x = 0; x < 800; ++x) sum += luminance(getpixel(panel, x, 15));
    EXPECT_LT(sum / 800, 140);
}

}  // namespace
