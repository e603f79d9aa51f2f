// Running real dialogs in the current look: keys are queued first, then
// do_dialog processes them as if typed. Each test ends its dialog with ESC.
#ifndef TESTS_WIDGETS_DIALOG_FIXTURE_H
#define TESTS_WIDGETS_DIALOG_FIXTURE_H

#include <allegro.h>
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

inline void queue_key(int scancode, int ascii)
{
    simulate_keypress((scancode << 8) | ascii);
}
inline void queue_char(int c)
{
    simulate_ukeypress(c, 0);
}
inline void queue_enter()
{
    queue_key(KEY_ENTER, '\r');
}
inline void queue_esc()
{
    queue_key(KEY_ESC, 27);
}
inline void queue_tab()
{
    queue_key(KEY_TAB, '\t');
}

// Makes `look` current (by registry name), copies its published colours into
// Allegro's as an application does, and ends it on tear-down.
struct DialogTest : testing::Test {
    void use_look(const char *name)
    {
        Theme *theme = find_theme(name);
        ASSERT_NE(theme, nullptr) << name;
        init_theme(theme);
        gui_fg_color = theme_fg_color;
        gui_bg_color = theme_bg_color;
        gui_mg_color = theme_mg_color;
    }
    void SetUp() override
    {
        if (!dialog_system_ready) GTEST_SKIP() << "no X display";
        clear_keybuf();
        clear_to_color(screen, makecol(255, 0, 255));
    }
    void TearDown() override
    {
        shutdown_theme();
        clear_keybuf();
    }
};

#endif
