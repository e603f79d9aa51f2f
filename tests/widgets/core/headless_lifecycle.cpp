// Starting, switching, rebuilding and ending a look with one call each:
// what Allegro had comes back exactly, whatever order the program calls in.
#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

int program_button_proc(int, DIALOG *, int)
{
    return D_O_K;
}

// Allegro's GUI state as a program leaves it before any look.
struct AllegroState {
    int fg, bg, mg;
    DIALOG_PROC shadow_box, ctext, button, edit, list, text_list;
    void (*draw_menu)(int, int, int, int);

    static AllegroState now()
    {
        return {gui_fg_color,    gui_bg_color,  gui_mg_color,  gui_shadow_box_proc, gui_ctext_proc,
                gui_button_proc, gui_edit_proc, gui_list_proc, gui_text_list_proc,  gui_menu_draw_menu};
    }
    bool operator==(const AllegroState &o) const
    {
        return fg == o.fg && bg == o.bg && mg == o.mg && shadow_box == o.shadow_box && ctext == o.ctext &&
               button == o.button && edit == o.edit && list == o.list && text_list == o.text_list &&
               draw_menu == o.draw_menu;
    }
};

struct Lifecycle : testing::Test {
    AllegroState before{};
    void SetUp() override
    {
        stop_theme();
        gui_fg_color = 11;
        gui_bg_color = 22;
        gui_mg_color = 33;
        before = AllegroState::now();
    }
    void TearDown() override
    {
        stop_theme();
        screen = test_screen;
        set_color_depth(16);
    }
};

TEST_F(Lifecycle, UseThemePublishesAndPointsEveryHookAndStopPutsAllBack)
{
    ASSERT_EQ(use_theme_named("GTK"), THEME_OK);
    EXPECT_EQ(current_theme, theme_gtk);
    EXPECT_EQ(gui_bg_color, makecol(214, 214, 214));
    EXPECT_EQ(gui_fg_color, theme_fg_color);
    EXPECT_EQ(gui_mg_color, theme_mg_color);
    EXPECT_EQ(gui_shadow_box_proc, theme_shadow_box_proc);
    EXPECT_EQ(gui_ctext_proc, theme_ctext_proc);
    EXPECT_EQ(gui_button_proc, theme_button_proc);
    EXPECT_EQ(gui_edit_proc, theme_edit_proc);
    EXPECT_EQ(gui_list_proc, theme_list_proc);
    EXPECT_EQ(gui_text_list_proc, theme_text_list_proc);

    // Switching ends the first look (its menu hooks go) and keeps what
    // Allegro had before the first, not the first look's colours.
    ASSERT_EQ(use_theme(theme_allegro), THEME_OK);
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_fg_color, 11);
    ASSERT_EQ(use_theme(theme_nextstep), THEME_OK);
    stop_theme();
    EXPECT_EQ(current_theme, nullptr);
    EXPECT_TRUE(AllegroState::now() == before);

    // A hook the program points elsewhere while a look runs stays its own.
    use_theme(theme_gtk);
    gui_button_proc = program_button_proc;
    shutdown_theme();
    EXPECT_EQ(gui_button_proc, program_button_proc);
    EXPECT_EQ(gui_edit_proc, before.edit);
    gui_button_proc = before.button;
}

void program_draw_menu(int, int, int, int) {}
void program_draw_menu_item(MENU *, int, int, int, int, int, int) {}

TEST_F(Lifecycle, ProgramsOwnMenuHooksComeBackAfterEveryLook)
{
    // Every drawn look sets both menu hooks in its init and clears them in
    // its shutdown; the program's own, set before, must survive that.
    gui_menu_draw_menu = program_draw_menu;
    gui_menu_draw_menu_item = program_draw_menu_item;
    for (int i = 0; i < theme_count(); ++i) {
        SCOPED_TRACE(theme_at(i)->name);
        ASSERT_EQ(use_theme(theme_at(i)), THEME_OK);
        EXPECT_EQ(rebuild_theme(), THEME_OK);
        stop_theme();
        EXPECT_EQ(gui_menu_draw_menu, program_draw_menu);
        EXPECT_EQ(gui_menu_draw_menu_item, program_draw_menu_item);
        init_theme(theme_at(i));
        shutdown_theme();
        EXPECT_EQ(gui_menu_draw_menu, program_draw_menu);
        EXPECT_EQ(gui_menu_draw_menu_item, program_draw_menu_item);
    }
    // Switching keeps them too: they are put back once the last look ends.
    use_theme(theme_gtk);
    use_theme(theme_beos);
    stop_theme();
    EXPECT_EQ(gui_menu_draw_menu, program_draw_menu);
    // Hooks the program points elsewhere while a look runs stay its own.
    use_theme(theme_photon);
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = program_draw_menu_item;
    stop_theme();
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    EXPECT_EQ(gui_menu_draw_menu_item, program_draw_menu_item);
    gui_menu_draw_menu_item = nullptr;
}

TEST_F(Lifecycle, RefusalsChangeNothing)
{
    EXPECT_EQ(use_theme(nullptr), THEME_ERR_NULL);
    EXPECT_EQ(use_theme_named(nullptr), THEME_ERR_NAME);
    EXPECT_EQ(use_theme_named("gtk"), THEME_ERR_NOT_FOUND);
    screen = nullptr;  // no graphics mode yet
    EXPECT_EQ(use_theme(theme_gtk), THEME_ERR_NO_SCREEN);
    init_theme(theme_gtk);  // the lower-level start refuses alike
    EXPECT_EQ(current_theme, nullptr);
    EXPECT_TRUE(AllegroState::now() == before);

    screen = test_screen;
    ASSERT_EQ(use_theme(theme_photon), THEME_OK);
    const AllegroState photon = AllegroState::now();
    EXPECT_EQ(use_theme(nullptr), THEME_ERR_NULL);
    screen = nullptr;
    EXPECT_EQ(use_theme(theme_gtk), THEME_ERR_NO_SCREEN);
    EXPECT_EQ(rebuild_theme(), THEME_ERR_NO_SCREEN);
    init_theme(theme_gtk);
    screen = test_screen;
    EXPECT_EQ(current_theme, theme_photon);
    EXPECT_TRUE(AllegroState::now() == photon);
}

TEST_F(Lifecycle, InitThemeEndsTheLookInForceAndNullEndsIt)
{
    init_theme(theme_gtk);
    EXPECT_NE(gui_menu_draw_menu, nullptr);
    init_theme(theme_ase);  // no shutdown_theme between: GTK's menu hooks must go
    EXPECT_EQ(current_theme, theme_ase);
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    gui_fg_color = gui_bg_color = gui_mg_color = 99;
    init_theme(nullptr);
    EXPECT_EQ(current_theme, nullptr);
    EXPECT_TRUE(AllegroState::now() == before);
}

TEST_F(Lifecycle, RebuildRecomputesColoursForANewDepth)
{
    ASSERT_EQ(use_theme(theme_gtk), THEME_OK);
    EXPECT_EQ(rebuild_theme(), THEME_OK);
    EXPECT_EQ(current_theme, theme_gtk);
    const int face16 = makecol(214, 214, 214);
    EXPECT_EQ(gui_bg_color, face16);

    set_color_depth(32);
    BITMAP *deep = create_bitmap_ex(32, 64, 64);
    screen = deep;
    ASSERT_EQ(rebuild_theme(), THEME_OK);
    EXPECT_EQ(theme_bg_color, makecol32(214, 214, 214));
    EXPECT_EQ(gui_bg_color, makecol32(214, 214, 214));
    EXPECT_NE(gui_menu_draw_menu, nullptr);  // the look's own hooks are back after its shutdown
    stop_theme();
    EXPECT_TRUE(AllegroState::now() == before);
    screen = test_screen;
    destroy_bitmap(deep);

    stop_theme();
    EXPECT_EQ(rebuild_theme(), THEME_OK);  // nothing in force, nothing to do
    EXPECT_EQ(current_theme, nullptr);
}

}  // namespace
