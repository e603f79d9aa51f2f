// Starts Allegro once for a test program with the "none" system driver:
// memory bitmaps, makecol, save_bitmap and load_midi work without a display.
#pragma once

#include <allegro.h>
#include <gtest/gtest.h>

#include <cerrno>

class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(24);
    }
};
