// Rows a program may well hand the library by mistake or on purpose (an
// empty slider, a list without items, a text box too narrow for one
// character, a row of no size, a label longer than its row, a row without
// its dp, a slider of billions of steps, a row of a billion pixels), walked through
// every registered look at 8 and 16 bits: each must come back (no crash, no
// hang) and leave every pixel outside its row as it was.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

char *no_items(int index, int *count)
{
    if (index < 0) *count = 0;
    return nullptr;
}

char long_label[] = "A label far longer than the row it is given to draw in";
char empty_text[] = "";
char one_word[] = "Grog";

// Where a row's drawing must stay: inside it, or (an edit field, whose
// height follows the font) within its columns; labels are laid out by their
// text, as Allegro's own are, so only their survival is checked.
enum Bound { INSIDE, COLUMNS, ANYWHERE };

struct OddRow {
    const char *what;
    Bound bound;
    DIALOG row;
};

// Every row sits at (ROW_X, ROW_Y); sizes and data are what make it odd.
enum { ROW_X = 200, ROW_Y = 150 };

// clang-format off
const OddRow odd_rows[] = {
    //                                    bound    proc                  x      y      w    h   fg bg key flags       d1  d2   dp          dp2  dp3
    {"slider with d1 = 0",               INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 120, 16, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"vertical slider with d1 = 0",      INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 16,  90, 0, 0, 0,  0,          0,  5,   nullptr,    nullptr, nullptr}},
    {"slider with d2 above d1",          INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 120, 16, 0, 0, 0,  0,          10, 40,  nullptr,    nullptr, nullptr}},
    {"slider with d2 below 0",           INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 120, 16, 0, 0, 0,  0,          10, -7,  nullptr,    nullptr, nullptr}},
    {"slider with a negative d1",        INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 120, 16, 0, 0, 0,  0,          -4, 2,   nullptr,    nullptr, nullptr}},
    {"list with a null dp",              INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"list with no items",               INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   (void *)no_items, nullptr, nullptr}},
    {"list selecting past its end",      INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          3,  2,   (void *)no_items, nullptr, nullptr}},
    {"text list with a null dp",         INSIDE,  {theme_text_list_proc, ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"text list with no items",          INSIDE,  {theme_text_list_proc, ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   (void *)no_items, nullptr, nullptr}},
    {"text box with a null dp",          INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"text box with an empty dp",        INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 120, 60, 0, 0, 0,  0,          0,  0,   empty_text, nullptr, nullptr}},
    {"text box narrower than a letter",  INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 4,   60, 0, 0, 0,  0,          0,  0,   one_word,   nullptr, nullptr}},
    {"text box just wider than a bar",   INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 20,  60, 0, 0, 0,  0,          0,  0,   one_word,   nullptr, nullptr}},
    {"text box of no width",             INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 0,   60, 0, 0, 0,  0,          0,  0,   one_word,   nullptr, nullptr}},
    {"button of no width",               INSIDE,  {theme_button_proc,    ROW_X, ROW_Y, 0,   20, 0, 0, 0,  0,          0,  0,   one_word,   nullptr, nullptr}},
    {"box of no height",                 INSIDE,  {theme_box_proc,       ROW_X, ROW_Y, 60,  0,  0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"shadow box of no size",            INSIDE,  {theme_shadow_box_proc, ROW_X, ROW_Y, 0,  0,  0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"edit field of no width",           COLUMNS, {theme_edit_proc,      ROW_X, ROW_Y, 0,   14, 0, 0, 0,  0,          31, 0,   one_word,   nullptr, nullptr}},
    {"window of no height",              INSIDE,  {theme_window_proc,    ROW_X, ROW_Y, 80,  0,  0, 0, 0,  0,          0,  0,   one_word,   nullptr, nullptr}},
    {"list of no size",                  INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 0,   0,  0, 0, 0,  0,          0,  0,   (void *)no_items, nullptr, nullptr}},
    {"slider of no size",                INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 0,   0,  0, 0, 0,  0,          10, 3,   nullptr,    nullptr, nullptr}},
    {"button with a long label",         INSIDE,  {theme_button_proc,    ROW_X, ROW_Y, 40,  20, 0, 0, 0,  D_GOTFOCUS, 0,  0,   long_label, nullptr, nullptr}},
    {"push button with a long label",    INSIDE,  {theme_push_proc,      ROW_X, ROW_Y, 40,  20, 0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"check box with a long label",      INSIDE,  {theme_check_proc,     ROW_X, ROW_Y, 40,  14, 0, 0, 0,  D_SELECTED, 0,  0,   long_label, nullptr, nullptr}},
    {"radio button with a long label",   INSIDE,  {theme_radio_proc,     ROW_X, ROW_Y, 40,  14, 0, 0, 0,  D_GOTFOCUS, 0,  0,   long_label, nullptr, nullptr}},
    {"text with a long label",           ANYWHERE,{theme_text_proc,      ROW_X, ROW_Y, 40,  10, 0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"centred text with a long label",   ANYWHERE,{theme_ctext_proc,     ROW_X, ROW_Y, 40,  10, 0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"right text with a long label",     ANYWHERE,{theme_rtext_proc,     ROW_X, ROW_Y, 40,  10, 0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"window with a long title",         INSIDE,  {theme_window_proc,    ROW_X, ROW_Y, 40,  30, 0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"edit field with a long text",      COLUMNS, {theme_edit_proc,      ROW_X, ROW_Y, 40,  14, 0, 0, 0,  D_GOTFOCUS, 60, 0,   long_label, nullptr, nullptr}},
    {"text box row shorter than a line", INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 60,  3,  0, 0, 0,  0,          0,  0,   long_label, nullptr, nullptr}},
    {"list row shorter than a line",     INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 60,  3,  0, 0, 0,  0,          0,  0,   (void *)no_items, nullptr, nullptr}},
    {"icon with a null dp",              INSIDE,  {theme_icon_proc,      ROW_X, ROW_Y, 40,  20, 0, 0, 0,  D_GOTFOCUS, 0,  0,   nullptr,    nullptr, nullptr}},
    {"button with a null dp",            INSIDE,  {theme_button_proc,    ROW_X, ROW_Y, 40,  20, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"push button with a null dp",       INSIDE,  {theme_push_proc,      ROW_X, ROW_Y, 40,  20, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"check box with a null dp",         INSIDE,  {theme_check_proc,     ROW_X, ROW_Y, 40,  14, 0, 0, 0,  D_SELECTED, 0,  0,   nullptr,    nullptr, nullptr}},
    {"radio button with a null dp",      INSIDE,  {theme_radio_proc,     ROW_X, ROW_Y, 40,  14, 0, 0, 0,  0,          0,  0,   nullptr,    nullptr, nullptr}},
    {"edit field with a null dp",        COLUMNS, {theme_edit_proc,      ROW_X, ROW_Y, 60,  14, 0, 0, 0,  D_GOTFOCUS, 31, 0,   nullptr,    nullptr, nullptr}},
    {"slider with d1 = INT_MAX",         INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 120, 16, 0, 0, 0,  D_GOTFOCUS, INT_MAX, INT_MAX / 2, nullptr, nullptr, nullptr}},
    {"vertical slider with d1 = INT_MAX",INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, 16,  90, 0, 0, 0,  0,          INT_MAX, 3,  nullptr,    nullptr, nullptr}},
    // Rows of a billion pixels: drawing them takes what the visible part takes.
    {"box of INT_MAX/2 pixels",          INSIDE,  {theme_box_proc,       ROW_X, ROW_Y, 60,  INT_MAX / 2, 0, 0, 0, 0,  0,  0,   nullptr,    nullptr, nullptr}},
    {"button of INT_MAX/2 pixels",       INSIDE,  {theme_button_proc,    ROW_X, ROW_Y, INT_MAX / 2, INT_MAX / 2, 0, 0, 0, D_GOTFOCUS, 0, 0, one_word, nullptr, nullptr}},
    {"push button of INT_MAX/2 pixels",  INSIDE,  {theme_push_proc,      ROW_X, ROW_Y, 60,  INT_MAX / 2, 0, 0, 0, 0,  0,  0,   one_word,   nullptr, nullptr}},
    {"edit field of INT_MAX/2 pixels",   COLUMNS, {theme_edit_proc,      ROW_X, ROW_Y, INT_MAX / 2, INT_MAX / 2, 0, 0, 0, D_GOTFOCUS, 31, 0, one_word, nullptr, nullptr}},
    {"list of INT_MAX/2 pixels",         INSIDE,  {theme_list_proc,      ROW_X, ROW_Y, 60,  INT_MAX / 2, 0, 0, 0, 0,  0,  0,   (void *)no_items, nullptr, nullptr}},
    {"text list of INT_MAX/2 pixels",    INSIDE,  {theme_text_list_proc, ROW_X, ROW_Y, INT_MAX / 2, INT_MAX / 2, 0, 0, 0, 0, 0, 0, (void *)no_items, nullptr, nullptr}},
    {"text box of INT_MAX/2 pixels",     INSIDE,  {theme_textbox_proc,   ROW_X, ROW_Y, 60,  INT_MAX / 2, 0, 0, 0, 0,  0,  0,   long_label, nullptr, nullptr}},
    {"slider of INT_MAX/2 pixels",       INSIDE,  {theme_slider_proc,    ROW_X, ROW_Y, INT_MAX / 2, 16, 0, 0, 0, 0,   100, 50, nullptr,    nullptr, nullptr}},
    {"window of INT_MAX/2 pixels",       INSIDE,  {theme_window_proc,    ROW_X, ROW_Y, INT_MAX / 2, INT_MAX / 2, 0, 0, 0, 0, 0, 0, long_label, nullptr, nullptr}},
};
// clang-format on

// The first pixel outside the row's bound that is no longer `blank`, or "".
std::string drawn_outside(const DIALOG &d, Bound bound, int blank)
{
    if (bound == ANYWHERE) return "";
    for (int y = 0; y < screen->h; ++y)
        for (int x = 0; x < screen->w; ++x) {
            const bool in_columns = x >= d.x && x < d.x + d.w;
            const bool inside = in_columns && (bound == COLUMNS || (y >= d.y && y < d.y + d.h));
            if (!inside && getpixel(screen, x, y) != blank)
                return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    return "";
}

// A screen of the given depth for the walk; put back afterwards.
struct DepthScreen {
    BITMAP *bitmap;
    explicit DepthScreen(int depth)
    {
        set_color_depth(depth);
        bitmap = create_bitmap_ex(depth, TEST_SCREEN_W, TEST_SCREEN_H);
        screen = bitmap;
    }
    ~DepthScreen()
    {
        screen = test_screen;
        set_color_depth(16);
        destroy_bitmap(bitmap);
    }
};

TEST(OddRows, EveryLookDrawsOddRowsInsideThemWithoutCrashOrHang)
{
    for (int depth : {8, 16}) {
        DepthScreen depth_screen(depth);
        const int blank = makecol(255, 0, 255);
        for (int i = 0; i < theme_count(); ++i) {
            Theme *look = theme_at(i);
            init_theme(look);
            for (const OddRow &odd : odd_rows) {
                SCOPED_TRACE(std::string(look->name) + ", " + std::to_string(depth) + " bits: " + odd.what);
                DIALOG row = odd.row;
                row.fg = gui_fg_color;
                row.bg = gui_bg_color;
                clear_to_color(screen, blank);
                row.proc(MSG_START, &row, 0);
                row.proc(MSG_DRAW, &row, 0);
                row.proc(MSG_CHAR, &row, KEY_END << 8);
                row.proc(MSG_CHAR, &row, KEY_RIGHT << 8);
                row.proc(MSG_DRAW, &row, 0);
                row.proc(MSG_END, &row, 0);
                EXPECT_EQ(drawn_outside(odd.row, odd.bound, blank), "");
            }
            shutdown_theme();
        }
    }
}

}  // namespace
