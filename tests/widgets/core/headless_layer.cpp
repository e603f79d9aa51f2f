// The layer itself: registry, making a look current, forwarders.
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

struct LayerTest : testing::Test {
    void SetUp() override
    {
        shutdown_theme();
        clear_test_screen();
    }
    void TearDown() override { shutdown_theme(); }
};

TEST_F(LayerTest, ForwardersWithoutLookHandEveryMessageToAllegro)
{
    // With no look a dialog must still show and work (alert boxes whose
    // hooks point at the forwarders included): Allegro's own procedure
    // draws and answers, pixel for pixel.
    init_theme(nullptr);
    char text[16] = "abc";
    DIALOG d = {theme_edit_proc, 10,     10, 100, 20, makecol(0, 0, 0), makecol(255, 255, 255), 0, 0, 10, 3, text,
                nullptr,         nullptr};
    BITMAP *by_allegro = create_bitmap(TEST_SCREEN_W, TEST_SCREEN_H);
    for (DIALOG_PROC allegro : {d_edit_proc, d_box_proc, d_button_proc}) {
        d.proc = allegro == d_edit_proc ? theme_edit_proc : allegro == d_box_proc ? theme_box_proc : theme_button_proc;
        clear_test_screen();
        EXPECT_EQ(allegro(MSG_DRAW, &d, 0), D_O_K);
        blit(screen, by_allegro, 0, 0, 0, 0, TEST_SCREEN_W, TEST_SCREEN_H);
        clear_test_screen();
        EXPECT_EQ(d.proc(MSG_DRAW, &d, 0), D_O_K);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) ASSERT_EQ(getpixel(screen, x, y), getpixel(by_allegro, x, y));
    }
    destroy_bitmap(by_allegro);
    EXPECT_EQ(theme_push_proc(MSG_KEY, &d, 0), D_REDRAWME);  // pressed, redrawn later, not closed
}

TEST_F(LayerTest, ForwarderWithEmptySlotAnswersOk)
{
    Theme empty = {"Empty", nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr, nullptr, THEME_RESERVED_NONE};
    init_theme(&empty);
    DIALOG d = {theme_button_proc, 10, 10, 100, 20, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    EXPECT_EQ(theme_button_proc(MSG_DRAW, &d, 0), D_O_K);
    EXPECT_TRUE(rect_is(0, 0, 200, 60, rgb16(255, 0, 255)));
}

TEST_F(LayerTest, FindThemeIsExactAndRegistersOnce)
{
    EXPECT_EQ(find_theme("GTK"), theme_gtk);
    EXPECT_EQ(find_theme("gtk"), nullptr);
    EXPECT_EQ(find_theme("Allegro"), theme_allegro);
    EXPECT_EQ(find_theme("Nonesuch"), nullptr);
    EXPECT_EQ(find_theme(nullptr), nullptr);
    const int count = ThemeRegistryCount;
    find_theme("GTK");
    EXPECT_EQ(ThemeRegistryCount, count);
    EXPECT_GE(count, 2);
    EXPECT_LE(count, 7);
    EXPECT_EQ(ThemeRegistry[0], theme_gtk);
    EXPECT_EQ(ThemeRegistry[count - 1], theme_allegro);
}

TEST_F(LayerTest, InitThenShutdownRestoresGuiColours)
{
    gui_fg_color = 11;
    gui_bg_color = 22;
    gui_mg_color = 33;
    init_theme(theme_gtk);
    EXPECT_EQ(current_theme, theme_gtk);
    EXPECT_EQ(theme_bg_color, makecol(214, 214, 214));
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    EXPECT_EQ(theme_mg_color, makecol(149, 149, 149));
    EXPECT_EQ(gui_bg_color, 22);  // the application copies them itself
    gui_fg_color = gui_bg_color = gui_mg_color = 99;
    shutdown_theme();
    EXPECT_EQ(current_theme, nullptr);
    EXPECT_EQ(gui_fg_color, 11);
    EXPECT_EQ(gui_bg_color, 22);
    EXPECT_EQ(gui_mg_color, 33);
    EXPECT_EQ(theme_bg_color, makecol(214, 214, 214));  // published colours stay
}

TEST_F(LayerTest, StockLookPublishesGuiColoursAndClearsMenuHooks)
{
    init_theme(theme_gtk);
    EXPECT_NE(gui_menu_draw_menu, nullptr);
    shutdown_theme();
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    gui_fg_color = 1;
    gui_bg_color = 2;
    gui_mg_color = 3;
    init_theme(theme_allegro);
    EXPECT_EQ(theme_fg_color, 1);
    EXPECT_EQ(theme_bg_color, 2);
    EXPECT_EQ(theme_mg_color, 3);
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr);
}

int callback_result = 0;
int callback_calls = 0;
int push_callback(DIALOG *)
{
    ++callback_calls;
    return callback_result;
}

TEST_F(LayerTest, PushRuleLetsTheCallbackDecide)
{
    for (Theme *look : {theme_allegro, theme_gtk}) {
        init_theme(look);
        DIALOG d = {theme_push_proc,
                    10,
                    10,
                    80,
                    20,
                    0,
                    0,
                    0,
                    0,
                    0,
                    0,
                    const_cast<char *>("Go"),
                    nullptr,
                    reinterpret_cast<void *>(push_callback)};
        callback_calls = 0;
        callback_result = D_O_K;
        int r = theme_push_proc(MSG_KEY, &d, 0);  // a pressed key "clicks" the button
        EXPECT_TRUE(d.flags & D_EXIT);
        EXPECT_EQ(callback_calls, 1);
        EXPECT_FALSE(r & D_CLOSE) << look->name;
        // The stock look asks the engine to redraw; GTK has already redrawn.
        EXPECT_EQ((r & D_REDRAWME) != 0, look == theme_allegro) << look->name;

        callback_result = D_CLOSE;
        r = theme_push_proc(MSG_KEY, &d, 0);
        EXPECT_TRUE(r & D_CLOSE) << look->name;

        d.dp3 = nullptr;  // no callback: never closes
        r = theme_push_proc(MSG_KEY, &d, 0);
        EXPECT_FALSE(r & D_CLOSE) << look->name;
        shutdown_theme();
    }
}

}  // namespace
