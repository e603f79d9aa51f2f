// A program that registers its own look before it ever looks one up: the
// built-in looks must still come first, in their places, and be found.
#include <gtest/gtest.h>

#include "widgets/theme.h"

TEST(RegistryBeforeLookup, BuiltInLooksKeepTheirPlaces)
{
    static Theme mine = *theme_photon;
    mine.name = "Mine";
    ASSERT_EQ(ThemeRegistryCount, 0) << "nothing may look a theme up before this test";
    ASSERT_EQ(register_theme(&mine), THEME_OK);
    Theme *const builtin[] = {theme_gtk,  theme_photon,   theme_win95,  theme_ase,
                              theme_beos, theme_nextstep, theme_allegro};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(theme_at(i), builtin[i]) << i;
    EXPECT_EQ(theme_at(7), &mine);
    EXPECT_EQ(theme_count(), 8);
    EXPECT_EQ(find_theme("NeXTStep"), theme_nextstep);
    EXPECT_EQ(find_theme("Mine"), &mine);
}
