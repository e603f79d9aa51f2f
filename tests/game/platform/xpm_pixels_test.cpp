#include <gtest/gtest.h>

#include "platform/linux/xpm_pixels.h"

TEST(XpmPixels, ColoursTransparencyAndRefusedData)
{
    // clang-format off
    const char *const icon[] = {
        "3 2 3 2",
        "aa c None",
        "ab c #ff8001",
        "ba c #0000fe",
        "aaabba",
        "baaaab",
    };
    // clang-format on
    const std::vector<unsigned long> expected{3, 2, 0, 0xffff8001UL, 0xff0000feUL, 0xff0000feUL, 0, 0xffff8001UL};
    EXPECT_EQ(xpmToArgb(icon), expected);

    const char *const unknownCode[] = {"1 1 1 2", "aa c #000000", "ab"};
    const char *const shortRow[] = {"2 1 1 2", "aa c #000000", "aa"};
    const char *const namedColour[] = {"1 1 1 2", "aa c red", "aa"};
    const char *const noHeader[] = {"one by one", "aa c #000000", "aa"};
    EXPECT_TRUE(xpmToArgb(unknownCode).empty());
    EXPECT_TRUE(xpmToArgb(shortRow).empty());
    EXPECT_TRUE(xpmToArgb(namedColour).empty());
    EXPECT_TRUE(xpmToArgb(noHeader).empty());
}
