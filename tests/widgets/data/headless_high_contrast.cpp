// The "High contrast" look shipped as a look file: every text it draws, in
// every state of every widget, stands at least 7:1 against the pixels
// behind it. Each widget is drawn twice, with its text and with blanks in
// its place; the pixels that differ are the text, and the blank drawing
// shows what lies behind them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

double channel(int c)
{
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double luminance(int pixel)
{
    return 0.2126 * channel(getr(pixel)) + 0.7152 * channel(getg(pixel)) + 0.0722 * channel(getb(pixel));
}

double contrast(int a, int b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<int> grab(void)
{
    std::vector<int> pixels;
    for (int y = 0; y < TEST_SCREEN_H; ++y)
        for (int x = 0; x < TEST_SCREEN_W; ++x) pixels.push_back(getpixel(screen, x, y));
    return pixels;
}

// The texts are swapped for blanks of the same length between the two
// drawings.
char label[] = "Yo ho";
char edit_text[] = "Anne B";
char box_text[] = "Dead men tell no tales";
bool blank = false;

char *crew(int index, int *count)
{
    static char names[][8] = {"Rum", "Grog", "Tea"};
    static char blanks[][8] = {"   ", "    ", "   "};
    if (index < 0) {
        *count = 3;
        return nullptr;
    }
    return blank ? blanks[index % 3] : names[index % 3];
}

void set_texts(bool blanks)
{
    blank = blanks;
    std::string texts[] = {"Yo ho", "Anne B", "Dead men tell no tales"};
    char *cells[] = {label, edit_text, box_text};
    for (int i = 0; i < 3; ++i)
        for (size_t k = 0; k < texts[i].size(); ++k) cells[i][k] = blanks ? ' ' : texts[i][k];
}

void draw_every_state(void)
{
    clear_test_screen(128, 128, 128);
    const int states[] = {0, D_GOTFOCUS, D_SELECTED, D_DISABLED, D_SELECTED | D_GOTFOCUS, D_SELECTED | D_DISABLED};
    int y = 4;
    for (int flags : states) {
        // clang-format off
        DIALOG rows[] = {
            {theme_button_proc,  4,   y, 60, 20, 0, 0, 0, flags, 0,  0, label,              nullptr, nullptr},
            {theme_push_proc,    68,  y, 60, 20, 0, 0, 0, flags, 0,  0, label,              nullptr, nullptr},
            {theme_check_proc,   132, y, 70, 20, 0, 0, 0, flags, 0,  0, label,              nullptr, nullptr},
            {theme_radio_proc,   206, y, 70, 20, 0, 0, 0, flags, 0,  0, label,              nullptr, nullptr},
            {theme_edit_proc,    280, y, 70, 20, 0, 0, 0, flags, 31, 0, edit_text,          nullptr, nullptr},
            {theme_list_proc,    354, y, 60, 40, 0, 0, 0, flags, 1,  0, (void *)crew,       nullptr, nullptr},
            {theme_textbox_proc, 418, y, 90, 40, 0, 0, 0, flags, 0,  0, box_text,           nullptr, nullptr},
            {theme_window_proc,  512, y, 90, 40, 0, 0, 0, flags, 0,  0, label,              nullptr, nullptr},
            {theme_text_proc,    4,   y + 24, 60, 10, 0, 0, 0, flags, 0, 0, label,          nullptr, nullptr},
        };
        // clang-format on
        for (DIALOG &row : rows) row.proc(MSG_DRAW, &row, 0);
        y += 46;
    }
    if (!gui_menu_draw_menu_item) return;
    int row = 0;
    for (int bar = 0; bar <= 1; ++bar)
        for (int flags : {0, D_SELECTED, D_DISABLED})
            for (int sel = 0; sel <= 1; ++sel) {
                MENU m = {label, nullptr, nullptr, flags, nullptr};
                gui_menu_draw_menu_item(&m, 4, 290 + 16 * row++, 96, 14, bar, sel);
            }
}

TEST(HighContrast, EveryTextStandsSevenToOneAgainstItsBackground)
{
    int error = 0;
    Theme *look = load_theme(SLOOPGUI_LOOKS_DIR "/high-contrast.look", 0, nullptr, nullptr, &error);
    ASSERT_NE(look, nullptr) << error;
    EXPECT_EQ(error, THEME_OK);
    EXPECT_STREQ(look->name, "High contrast");
    int cues = 0;
    EXPECT_EQ(theme_get_param(look, "focus_cues", &cues), THEME_OK);
    EXPECT_EQ(cues, 1);

    ASSERT_EQ(use_theme(look), THEME_OK);
    set_texts(false);
    draw_every_state();
    const std::vector<int> with_text = grab();
    set_texts(true);
    draw_every_state();
    const std::vector<int> behind = grab();
    set_texts(false);

    int text_pixels = 0;
    double worst = 100.0;
    int worst_at = -1;
    for (size_t i = 0; i < with_text.size(); ++i) {
        if (with_text[i] == behind[i]) continue;
        ++text_pixels;
        const double ratio = contrast(with_text[i], behind[i]);
        if (ratio < worst) {
            worst = ratio;
            worst_at = static_cast<int>(i);
        }
    }
    EXPECT_GT(text_pixels, 2000);
    std::printf("worst contrast %.2f over %d text pixels\n", worst, text_pixels);
    EXPECT_GE(worst, 7.0) << "at (" << worst_at % TEST_SCREEN_W << ", " << worst_at / TEST_SCREEN_W << ")";

    // Focus shows on every widget that takes it.
    for (DIALOG_PROC proc :
         {theme_button_proc, theme_push_proc, theme_check_proc, theme_radio_proc, theme_edit_proc, theme_slider_proc}) {
        DIALOG row = {proc, 10, 10, 80, 30, 0, 0, 0, 0, 10, 3, label, nullptr, nullptr};
        if (proc == theme_edit_proc) row.dp = edit_text;
        clear_test_screen();
        row.proc(MSG_DRAW, &row, 0);
        const std::vector<int> plain = grab();
        row.flags = D_GOTFOCUS;
        row.proc(MSG_DRAW, &row, 0);
        EXPECT_NE(grab(), plain);
    }
    stop_theme();
    EXPECT_EQ(free_theme(look), THEME_OK);
}

}  // namespace
