// Set-up shared by the "BeOS" look's drawing tests: the look current on the
// magenta-filled test screen, and its colours as a 16-bit bitmap gives them
// back.
#ifndef TESTS_WIDGETS_HEADLESS_BEOS_FIXTURE_H
#define TESTS_WIDGETS_HEADLESS_BEOS_FIXTURE_H

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"
#include "widgets/looks/beos/look.h"

struct BeosTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        init_theme(theme_beos);
        clear_test_screen();
        th = text_height(font);
    }
    void TearDown() override { shutdown_theme(); }

    static DIALOG row(DIALOG_PROC proc, int x, int y, int w, int h, int flags = 0, int d1 = 0, int d2 = 0,
                      void *dp = nullptr, void *dp2 = nullptr)
    {
        return DIALOG{proc, x, y, w, h, 0, 0, 0, flags, d1, d2, dp, dp2, nullptr};
    }
    int th = 8;
};

inline Rgb untouched()
{
    return rgb16(255, 0, 255);
}
inline Rgb grey(int level)
{
    return rgb16(level, level, level);
}
inline Rgb black()
{
    return rgb16(0, 0, 0);
}
inline Rgb white()
{
    return rgb16(255, 255, 255);
}
inline Rgb yellow_light()
{
    return rgb16(255, 255, 80);
}
inline Rgb yellow_face()
{
    return rgb16(255, 203, 0);
}
inline Rgb yellow_shadow()
{
    return rgb16(175, 123, 0);
}
inline Rgb focus_blue()
{
    return rgb16(0, 0, 229);
}

#endif
