// The focus and disabled cues: off, every look draws as it always did; on,
// focus and a disabled state show on every kind of widget in every look,
// whether the look cues them itself or not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

char *three_items(int index, int *count)
{
    static char items[3][8] = {"Rum", "Grog", "Ale"};
    if (index < 0) {
        *count = 3;
        return nullptr;
    }
    return items[index];
}

char label[] = "Grog";
char story[] = "Fifteen men on the dead man's chest";
char typed[32] = "Anne";

struct Kind {
    const char *name;
    DIALOG row;
};

// One row of each kind but the menu bar and the clear row (which size
// themselves), at (100, 100).
std::vector<Kind> kinds(BITMAP *icon)
{
    // clang-format off
    return {
        //             proc                  x    y    w    h   fg bg key flags d1  d2 dp                 dp2      dp3
        {"button",    {theme_button_proc,    100, 100, 80,  20, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"push",      {theme_push_proc,      100, 100, 80,  20, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"check",     {theme_check_proc,     100, 100, 80,  14, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"radio",     {theme_radio_proc,     100, 100, 80,  14, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"icon",      {theme_icon_proc,      100, 100, 40,  40, 0, 0, 0,  0,    0,  0, icon,              nullptr, nullptr}},
        {"edit",      {theme_edit_proc,      100, 100, 80,  14, 0, 0, 0,  0,    31, 2, typed,             nullptr, nullptr}},
        {"list",      {theme_list_proc,      100, 100, 80,  50, 0, 0, 0,  0,    1,  0, (void *)three_items, nullptr, nullptr}},
        {"text list", {theme_text_list_proc, 100, 100, 80,  50, 0, 0, 0,  0,    1,  0, (void *)three_items, nullptr, nullptr}},
        {"text box",  {theme_textbox_proc,   100, 100, 120, 50, 0, 0, 0,  0,    0,  0, story,             nullptr, nullptr}},
        {"slider",    {theme_slider_proc,    100, 100, 120, 16, 0, 0, 0,  0,    10, 4, nullptr,           nullptr, nullptr}},
        {"box",       {theme_box_proc,       100, 100, 80,  30, 0, 0, 0,  0,    0,  0, nullptr,           nullptr, nullptr}},
        {"shadow box",{theme_shadow_box_proc, 100, 100, 80, 30, 0, 0, 0,  0,    0,  0, nullptr,           nullptr, nullptr}},
        {"window",    {theme_window_proc,    100, 100, 120, 60, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"text",      {theme_text_proc,      100, 100, 80,  10, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"centred text", {theme_ctext_proc,  100, 100, 80,  10, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
        {"right text",{theme_rtext_proc,     100, 100, 80,  10, 0, 0, 0,  0,    0,  0, label,             nullptr, nullptr}},
    };
    // clang-format on
}

// The screen after the row is started and drawn with `flags`.
std::vector<int> drawn(DIALOG row, int flags)
{
    row.flags = flags;
    row.fg = gui_fg_color;
    row.bg = gui_bg_color;
    clear_to_color(screen, makecol(255, 0, 255));
    row.proc(MSG_START, &row, 0);
    row.proc(MSG_DRAW, &row, 0);
    row.proc(MSG_END, &row, 0);
    std::vector<int> pixels;
    for (int y = 90; y < 170; ++y)
        for (int x = 90; x < 240; ++x) pixels.push_back(getpixel(screen, x, y));
    return pixels;
}

struct Cues : testing::Test {
    BITMAP *icon = nullptr;
    void SetUp() override
    {
        icon = create_bitmap(32, 32);
        clear_to_color(icon, makecol(200, 40, 40));
    }
    void TearDown() override
    {
        set_theme_cues(0);
        stop_theme();
        destroy_bitmap(icon);
    }
};

TEST_F(Cues, OnFocusAndDisabledShowOnEveryWidgetInEveryLook)
{
    set_theme_cues(1);
    EXPECT_EQ(get_theme_cues(), 1);
    for (int i = 0; i < theme_count(); ++i) {
        ASSERT_EQ(use_theme(theme_at(i)), THEME_OK);
        for (const Kind &kind : kinds(icon)) {
            SCOPED_TRACE(std::string(theme_at(i)->name) + ", " + kind.name);
            const std::vector<int> plain = drawn(kind.row, 0);
            EXPECT_TRUE(drawn(kind.row, D_GOTFOCUS) != plain) << "focus changes nothing";
            EXPECT_TRUE(drawn(kind.row, D_DISABLED) != plain) << "disabled changes nothing";
        }
    }
}

TEST_F(Cues, OffEveryLookDrawsAsItDidAndTurningThemOffAgainRestoresThat)
{
    EXPECT_EQ(get_theme_cues(), 0);
    for (int i = 0; i < theme_count(); ++i) {
        ASSERT_EQ(use_theme(theme_at(i)), THEME_OK);
        for (const Kind &kind : kinds(icon)) {
            SCOPED_TRACE(std::string(theme_at(i)->name) + ", " + kind.name);
            for (int flags : {D_GOTFOCUS, D_DISABLED, D_GOTFOCUS | D_DISABLED}) {
                const std::vector<int> before = drawn(kind.row, flags);
                set_theme_cues(1);
                drawn(kind.row, flags);
                set_theme_cues(0);
                EXPECT_TRUE(drawn(kind.row, flags) == before) << "flags " << flags;
            }
        }
    }
}

}  // namespace
