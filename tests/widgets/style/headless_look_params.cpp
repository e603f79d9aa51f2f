// Style parameters and base looks: every parameter of every built-in look
// shows on screen, a look made from another with changed parameters draws
// its base's widgets in its own colours, and a partial look falls back on
// its base for what it leaves out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixel_helpers.h"
#include "widgets/looks/shared/text.h"
#include "widgets/theme.h"

namespace {

char *three_items(int index, int *count)
{
    static char names[][8] = {"Rum", "Grog", "Tea"};
    if (index < 0) {
        *count = 3;
        return nullptr;
    }
    return names[index % 3];
}

char *many_items(int index, int *count)
{
    static char name[] = "Barrel";
    if (index < 0) {
        *count = 40;
        return nullptr;
    }
    return name;
}

char edit_text[] = "Anne";
char box_text[] = "A long text that wraps over lines and lines and lines so the box has to scroll down";

// One of each widget in the states a look draws differently, and every kind
// of menu item, through the forwarders and the menu hooks.
void draw_every_widget(void)
{
    clear_test_screen();
    const int states[] = {0, D_SELECTED, D_GOTFOCUS, D_DISABLED, D_SELECTED | D_DISABLED};
    int y = 4;
    for (int flags : states) {
        // clang-format off
        DIALOG rows[] = {
            {theme_box_proc,       4,   y, 30, 24, 0, 0, 0, flags, 0,  0, nullptr, nullptr, nullptr},
            {theme_button_proc,    40,  y, 50, 24, 0, 0, 0, flags, 0,  0, (void *)"Go", nullptr, nullptr},
            {theme_check_proc,     94,  y, 50, 24, 0, 0, 0, flags, 0,  0, (void *)"Rum", nullptr, nullptr},
            {theme_radio_proc,     148, y, 50, 24, 0, 0, 0, flags, 0,  0, (void *)"Ale", nullptr, nullptr},
            {theme_edit_proc,      202, y, 60, 24, 0, 0, 0, flags, 31, 2, edit_text, nullptr, nullptr},
            {theme_list_proc,      266, y, 60, 40, 0, 0, 0, flags, 1,  0, (void *)three_items, nullptr, nullptr},
            {theme_list_proc,      330, y, 60, 40, 0, 0, 0, flags, 1,  3, (void *)many_items, nullptr, nullptr},
            {theme_textbox_proc,   394, y, 70, 40, 0, 0, 0, flags, 0,  1, box_text, nullptr, nullptr},
            {theme_slider_proc,    468, y, 60, 16, 0, 0, 0, flags, 10, 4, nullptr, nullptr, nullptr},
            {theme_slider_proc,    532, y, 16, 40, 0, 0, 0, flags, 10, 4, nullptr, nullptr, nullptr},
            {theme_window_proc,    552, y, 84, 40, 0, 0, 0, flags, 0,  0, (void *)"Log", nullptr, nullptr},
            {theme_shadow_box_proc,4, y + 26, 30, 14, 0, 0, 0, flags, 0, 0, nullptr, nullptr, nullptr},
            {theme_text_proc,      40, y + 28, 50, 10, 0, 0, 0, flags, 0, 0, (void *)"Yo ho", nullptr, nullptr},
        };
        // clang-format on
        for (DIALOG &row : rows) row.proc(MSG_DRAW, &row, 0);
        y += 46;
    }
    if (!gui_menu_draw_menu_item) return;
    MENU child[] = {{nullptr, nullptr, nullptr, 0, nullptr}};
    const struct {
        const char *text;
        int flags;
        bool child;
    } items[] = {{"Sail", 0, false}, {"Dock\tF2", D_SELECTED, true}, {"", 0, false}, {"Sink", D_DISABLED, false}};
    for (int bar = 0; bar <= 1; ++bar) {
        const int x = 4 + bar * 300, top = 240;
        if (gui_menu_draw_menu) gui_menu_draw_menu(x, top, 200, 4 * 14 + 4);
        for (int i = 0; i < 4; ++i)
            for (int sel = 0; sel <= 1; ++sel) {
                MENU m = {const_cast<char *>(items[i].text), nullptr, items[i].child ? child : nullptr, items[i].flags,
                          nullptr};
                gui_menu_draw_menu_item(&m, x + sel * 100, top + 2 + i * 14, 96, 14, bar, sel);
            }
    }
}

std::vector<int> screen_pixels(void)
{
    std::vector<int> pixels;
    pixels.reserve(TEST_SCREEN_W * TEST_SCREEN_H);
    for (int y = 0; y < TEST_SCREEN_H; ++y)
        for (int x = 0; x < TEST_SCREEN_W; ++x) pixels.push_back(getpixel(screen, x, y));
    return pixels;
}

std::vector<int> drawn_in(Theme *look)
{
    EXPECT_EQ(use_theme(look), THEME_OK);
    draw_every_widget();
    return screen_pixels();
}

bool shows_colour(int rgb)
{
    const int wanted = makecol((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
    for (int y = 0; y < TEST_SCREEN_H; ++y)
        for (int x = 0; x < TEST_SCREEN_W; ++x)
            if (getpixel(screen, x, y) == wanted) return true;
    return false;
}

Theme *drawn_looks[] = {theme_gtk, theme_photon, theme_win95, theme_ase, theme_beos, theme_nextstep};

// A colour none of the looks uses, and another one for a second change.
const int ODD_COLOUR = 0x20E040;
const int OTHER_COLOUR = 0xE02080;

struct LookParams : testing::Test {
    std::vector<Theme *> made;
    void SetUp() override
    {
        stop_theme();
        clear_test_screen();
    }
    void TearDown() override
    {
        stop_theme();
        for (auto it = made.rbegin(); it != made.rend(); ++it) free_theme(*it);
    }
    Theme *derive(const char *name, Theme *base, const ThemeSetting *changes = nullptr)
    {
        int error = THEME_ERR_NULL;
        Theme *look = derive_theme(name, base, changes, &error);
        EXPECT_EQ(error, THEME_OK) << name;
        if (look) made.push_back(look);
        return look;
    }
};

TEST_F(LookParams, EveryParameterOfEveryLookShowsAndComesBackWithItsDefault)
{
    for (Theme *look : drawn_looks) {
        const std::vector<int> plain = drawn_in(look);
        ThemeStyle *style = theme_style(look);
        ASSERT_NE(style, nullptr);
        ASSERT_GT(style->count, 1) << look->name;
        EXPECT_STREQ(style->param[style->count - 1].name, "focus_cues");
        // Names a look file can hold as keys, each once.
        for (int i = 0; i < style->count; ++i) {
            const std::string name = style->param[i].name;
            EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_"), std::string::npos) << name;
            EXPECT_TRUE(style->param[i].about && style->param[i].about[0]) << name;
            for (int j = 0; j < i; ++j) EXPECT_NE(name, style->param[j].name) << look->name;
        }
        for (int i = 0; i < style->count; ++i) {
            const ThemeParam param = style->param[i];
            if (param.kind == THEME_PARAM_SWITCH) continue;
            EXPECT_TRUE(param.own) << look->name << " " << param.name;
            // Two different colours, so a parameter whose default happens to
            // equal one of them still changes something; a metric goes to
            // an end of its range.
            int changed = param.value == ODD_COLOUR ? OTHER_COLOUR : ODD_COLOUR;
            if (param.kind != THEME_PARAM_COLOUR) changed = param.value == param.max ? param.min : param.max;
            ASSERT_EQ(theme_set_param(look, param.name, changed), THEME_OK);
            ASSERT_EQ(rebuild_theme(), THEME_OK);
            draw_every_widget();
            EXPECT_NE(screen_pixels(), plain) << look->name << " draws nothing in " << param.name;
            ASSERT_EQ(theme_reset_param(look, param.name), THEME_OK);
            int value = -1;
            EXPECT_EQ(theme_get_param(look, param.name, &value), THEME_OK);
            EXPECT_EQ(value, param.value) << look->name << " " << param.name;
        }
        ASSERT_EQ(rebuild_theme(), THEME_OK);
        draw_every_widget();
        EXPECT_EQ(screen_pixels(), plain) << look->name << " after every parameter was reset";
    }
}

TEST_F(LookParams, ADerivedLookDrawsItsBaseInItsOwnColoursAndLeavesTheBaseAlone)
{
    const char *const face_of[] = {"face", "face", "face", "face", "face", "grey"};
    for (int i = 0; i < 6; ++i) {
        Theme *base = drawn_looks[i];
        const std::vector<int> plain = drawn_in(base);
        Theme *same = derive("Same", base);
        ASSERT_NE(same, nullptr);
        EXPECT_EQ(drawn_in(same), plain) << base->name << ": a look with no change draws as its base";

        const ThemeSetting changes[] = {{face_of[i], ODD_COLOUR}, {nullptr, 0}};
        Theme *odd = derive("Odd", base, changes);
        ASSERT_NE(odd, nullptr);
        int value = 0;
        EXPECT_EQ(theme_get_param(odd, "focus_cues", &value), THEME_OK);
        EXPECT_EQ(value, 0);
        const std::vector<int> recoloured = drawn_in(odd);
        EXPECT_NE(recoloured, plain) << base->name;
        EXPECT_TRUE(shows_colour(ODD_COLOUR)) << base->name;
        EXPECT_EQ(drawn_in(base), plain) << base->name << " itself is unchanged";
        stop_theme();
        EXPECT_EQ(free_theme(odd), THEME_OK);
        EXPECT_EQ(free_theme(same), THEME_OK);
        made.clear();
    }
}

TEST_F(LookParams, ParametersFollowTheBaseUntilSetAlongAChainOfLooks)
{
    Theme *middle = derive("Middle", theme_gtk);
    Theme *leaf = derive("Leaf", middle);
    ASSERT_NE(leaf, nullptr);
    EXPECT_EQ(theme_set_param(middle, "face", ODD_COLOUR), THEME_OK);
    int value = 0;
    EXPECT_EQ(theme_get_param(leaf, "face", &value), THEME_OK);
    EXPECT_EQ(value, ODD_COLOUR) << "the leaf follows the middle";
    ThemeStyle *style = theme_style(leaf);
    for (int i = 0; i < style->count; ++i) EXPECT_FALSE(style->param[i].own) << style->param[i].name;

    EXPECT_EQ(theme_set_param(leaf, "face", OTHER_COLOUR), THEME_OK);
    drawn_in(leaf);
    EXPECT_TRUE(shows_colour(OTHER_COLOUR));
    EXPECT_FALSE(shows_colour(ODD_COLOUR));
    EXPECT_EQ(theme_reset_param(leaf, "face"), THEME_OK);
    ASSERT_EQ(rebuild_theme(), THEME_OK);
    draw_every_widget();
    EXPECT_TRUE(shows_colour(ODD_COLOUR)) << "reset: the middle's face again";

    // Refusals change nothing.
    EXPECT_EQ(theme_set_param(leaf, "no_such_thing", 1), THEME_ERR_PARAM);
    EXPECT_EQ(theme_set_param(leaf, "face", 0x1000000), THEME_ERR_VALUE);
    EXPECT_EQ(theme_set_param(leaf, "check_size", 0), THEME_ERR_VALUE);
    EXPECT_EQ(theme_set_param(leaf, "face", -1), THEME_ERR_VALUE);
    EXPECT_EQ(theme_get_param(leaf, "face", &value), THEME_OK);
    EXPECT_EQ(value, ODD_COLOUR);
    EXPECT_EQ(theme_set_param(nullptr, "face", 0), THEME_ERR_NULL);
    EXPECT_EQ(theme_get_param(leaf, nullptr, &value), THEME_ERR_NULL);

    // A look in force keeps its bases; one that is a base stays.
    EXPECT_EQ(theme_set_base(leaf, theme_win95), THEME_ERR_CURRENT);
    EXPECT_EQ(theme_set_base(middle, theme_win95), THEME_ERR_CURRENT);
    EXPECT_EQ(free_theme(leaf), THEME_ERR_CURRENT);
    stop_theme();
    EXPECT_EQ(free_theme(middle), THEME_ERR_BASE);
    EXPECT_EQ(free_theme(theme_gtk), THEME_ERR_NOT_FOUND);
}

TEST_F(LookParams, BasesMayNotComeBackToTheLook)
{
    Theme *a = derive("A", theme_gtk);
    Theme *b = derive("B", a);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(theme_set_base(a, b), THEME_ERR_BASE);
    EXPECT_EQ(theme_set_base(a, a), THEME_ERR_BASE);
    EXPECT_EQ(theme_base(a), theme_gtk);
    EXPECT_EQ(theme_set_base(b, theme_photon), THEME_OK);
    int value = 0;
    EXPECT_EQ(theme_get_param(b, "title_start", &value), THEME_OK) << "b lists Photon's parameters now";
    EXPECT_EQ(theme_get_param(b, "scrollbar_width", &value), THEME_ERR_PARAM);
}

// Draws the row's rectangle green: the program's own slot.
int green_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    rectfill(screen, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, makecol(0, 255, 0));
    return D_O_K;
}

TEST_F(LookParams, APartialLookNeedsABaseAndTakesWhatItLacksFromIt)
{
    static Theme partial = {};
    partial.name = "Partial";
    partial.button_proc = green_button_proc;
    EXPECT_EQ(register_theme(&partial), THEME_ERR_MISSING_SLOT) << "neither the slots nor a base";
    ASSERT_EQ(theme_set_base(&partial, theme_photon), THEME_OK);
    ASSERT_EQ(register_theme(&partial), THEME_OK);

    ASSERT_EQ(use_theme(&partial), THEME_OK);
    EXPECT_NE(gui_menu_draw_menu_item, nullptr) << "the base's init ran and set its menu hooks";
    EXPECT_EQ(theme_fg_color, makecol(0, 0, 0));
    DIALOG button = {theme_button_proc, 10, 10, 40, 20, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    DIALOG box = {theme_box_proc, 60, 10, 40, 20, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    button.proc(MSG_DRAW, &button, 0);
    box.proc(MSG_DRAW, &box, 0);
    EXPECT_EQ(screen_pixel(20, 20), rgb16(0, 255, 0)) << "its own slot";
    const std::vector<int> mixed = screen_pixels();
    stop_theme();
    EXPECT_EQ(gui_menu_draw_menu_item, nullptr) << "the base's shutdown ran";

    ASSERT_EQ(use_theme(theme_photon), THEME_OK);
    clear_test_screen();
    button.proc(MSG_DRAW, &button, 0);
    box.proc(MSG_DRAW, &box, 0);
    std::vector<int> photon = screen_pixels();
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 50; ++x) photon[y * TEST_SCREEN_W + x] = makecol(0, 255, 0);
    EXPECT_EQ(mixed, photon) << "everything else is Photon's";
    stop_theme();
    EXPECT_EQ(unregister_theme(&partial), THEME_OK);
    EXPECT_EQ(theme_set_base(&partial, nullptr), THEME_OK);
}

// Columns of the row's rectangle holding anything but the colour of its
// right-most column (the face behind the box).
int drawn_columns(const DIALOG &row)
{
    int columns = 0;
    for (int x = row.x; x < row.x + row.w - 1; ++x)
        for (int y = row.y; y < row.y + row.h; ++y)
            if (getpixel(screen, x, y) != getpixel(screen, row.x + row.w - 1, y)) {
                ++columns;
                break;
            }
    return columns;
}

TEST_F(LookParams, CheckBoxesRadioButtonsAndTitleBarsGrowWithTheFont)
{
    FONT *small = font;
    FONT *big = scaled_font(small, 2);
    ASSERT_NE(big, nullptr);
    ASSERT_EQ(text_height(big), 16);
    for (Theme *look : drawn_looks) {
        for (DIALOG_PROC proc : {theme_check_proc, theme_radio_proc}) {
            for (int flags : {0, D_SELECTED}) {
                DIALOG row = {proc, 10, 10, 80, 44, 0, 0, 0, flags, 0, 0, nullptr, nullptr, nullptr};
                int widths[2];
                for (int scale = 0; scale < 2; ++scale) {
                    font = scale ? big : small;
                    ASSERT_EQ(use_theme(look), THEME_OK);
                    clear_test_screen();
                    row.proc(MSG_DRAW, &row, 0);
                    widths[scale] = drawn_columns(row);
                }
                EXPECT_GE(widths[1], widths[0] * 2 - 4) << look->name << ": " << widths[0] << " then " << widths[1];
            }
        }
    }
    // The Photon title bar's bottom line: 19 rows down with the small font.
    DIALOG window = {theme_window_proc, 10, 10, 200, 100, 0, 0, 0, 0, 0, 0, (void *)"Log", nullptr, nullptr};
    Rgb bottom[2];
    for (int scale = 0; scale < 2; ++scale) {
        font = scale ? big : small;
        ASSERT_EQ(use_theme(theme_photon), THEME_OK);
        clear_test_screen();
        window.proc(MSG_DRAW, &window, 0);
        bottom[scale] = screen_pixel(100, 10 + 1 + 19 * (scale + 1));
    }
    font = small;
    stop_theme();
    destroy_font(big);
    EXPECT_EQ(bottom[0], rgb16(42, 89, 173));
    EXPECT_EQ(bottom[1], rgb16(42, 89, 173));
}

TEST_F(LookParams, AWiderBevelDrawsMoreShadowLinesAndItsDefaultDrawsTodaysBox)
{
    // A raised box: an outer edge, then one shadow line inside its bottom
    // and right per pixel of bevel past the first ("Photon"'s dark outline
    // thickens the same way); "BeOS" draws its bevel inside an outline.
    const struct {
        Theme *look;
        Rgb shadow, face;
        int outline;
    } looks[] = {
        {theme_gtk, rgb16(0x95, 0x95, 0x95), rgb16(0xD6, 0xD6, 0xD6), 0},
        {theme_win95, rgb16(0x7F, 0x7F, 0x7F), rgb16(0xBF, 0xBF, 0xBF), 0},
        {theme_nextstep, rgb16(0x7B, 0x7B, 0x7B), rgb16(0xBD, 0xBD, 0xBD), 0},
        {theme_photon, rgb16(0x4B, 0x4B, 0x4B), rgb16(0xD8, 0xD8, 0xD8), 0},
        {theme_beos, rgb16(0xD8, 0xD8, 0xD8), rgb16(0xE8, 0xE8, 0xE8), 1},
    };
    DIALOG box = {theme_box_proc, 10, 10, 60, 30, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    const int middle = box.y + box.h / 2;
    for (const auto &look : looks) {
        const int o = look.outline, left = box.x + o, top = box.y + o;
        const int right = box.x + box.w - 1 - o, bottom = box.y + box.h - 1 - o;
        const std::vector<int> plain = drawn_in(look.look);
        clear_test_screen();
        box.proc(MSG_DRAW, &box, 0);
        EXPECT_TRUE(vline_is(right - 1, top + 2, bottom - 2, look.shadow)) << look.look->name;
        EXPECT_EQ(screen_pixel(right - 2, middle), look.face) << look.look->name;

        ASSERT_EQ(theme_set_param(look.look, "bevel_width", 4), THEME_OK);
        ASSERT_EQ(rebuild_theme(), THEME_OK);
        clear_test_screen();
        box.proc(MSG_DRAW, &box, 0);
        for (int i = 1; i < 4; ++i) {
            EXPECT_TRUE(vline_is(right - i, top + 1 + i, bottom - 1 - i, look.shadow)) << look.look->name << i;
            EXPECT_TRUE(hline_is(left + 1 + i, right - i, bottom - i, look.shadow)) << look.look->name << i;
        }
        EXPECT_EQ(screen_pixel(right - 4, middle), look.face) << look.look->name;

        ASSERT_EQ(theme_reset_param(look.look, "bevel_width"), THEME_OK);
        ASSERT_EQ(rebuild_theme(), THEME_OK);
        draw_every_widget();
        EXPECT_EQ(screen_pixels(), plain) << look.look->name;
    }
}

}  // namespace

namespace {

// The first and the last column of the row holding `colour`, or -1; the
// first looks only from column and line `from` on.
int first_column_of(const DIALOG &row, Rgb colour, int from = 0)
{
    for (int x = row.x + from; x < row.x + row.w; ++x)
        for (int y = row.y + from; y < row.y + row.h; ++y)
            if (screen_pixel(x, y) == colour) return x - row.x;
    return -1;
}
int last_column_of(const DIALOG &row, Rgb colour)
{
    for (int x = row.x + row.w - 1; x >= row.x; --x)
        for (int y = row.y; y < row.y + row.h; ++y)
            if (screen_pixel(x, y) == colour) return x - row.x;
    return -1;
}

TEST_F(LookParams, Win95PaddingsMoveTheBoxWithItsLabelAndTheTextWithItsField)
{
    const Rgb black = rgb16(0, 0, 0), white = rgb16(0xFF, 0xFF, 0xFF), ring = rgb16(0x95, 0x95, 0x95);
    DIALOG check = {theme_check_proc, 10, 10, 90, 20, 0, 0, 0, D_SELECTED, 0, 0, (void *)"Rum", nullptr, nullptr};
    DIALOG radio = {theme_radio_proc, 10, 40, 90, 20, 0, 0, 0, D_SELECTED, 0, 0, (void *)"Ale", nullptr, nullptr};
    DIALOG edit = {theme_edit_proc, 10, 70, 100, 30, 0, 0, 0, 0, 31, 0, edit_text, nullptr, nullptr};
    const int th = text_height(font);
    struct Places {
        int box, label, radio, text;
        bool field_bottom;
    } at[2];
    for (int wide = 0; wide < 2; ++wide) {
        ASSERT_EQ(use_theme(theme_win95), THEME_OK);
        if (wide) {
            ASSERT_EQ(theme_set_param(theme_win95, "check_padding", 10), THEME_OK);
            ASSERT_EQ(theme_set_param(theme_win95, "field_padding", 6), THEME_OK);
            ASSERT_EQ(rebuild_theme(), THEME_OK);
        }
        clear_test_screen();
        for (DIALOG *row : {&check, &radio, &edit}) row->proc(MSG_DRAW, row, 0);
        // The field's outer bottom line: th + 6 rows down, and 8 more for
        // 4 pixels of padding past the stock 2, above and below the text.
        const int bottom = edit.y + th + 5 + (wide ? 8 : 0);
        at[wide] = {first_column_of(check, black), last_column_of(check, black), first_column_of(radio, ring),
                    first_column_of(edit, black, 2),
                    static_cast<bool>(hline_is(edit.x, edit.x + edit.w - 1, bottom, white))};
    }
    ASSERT_EQ(theme_reset_param(theme_win95, "check_padding"), THEME_OK);
    ASSERT_EQ(theme_reset_param(theme_win95, "field_padding"), THEME_OK);
    EXPECT_EQ(at[0].box, 3);  // the box's black inner line, 2 pixels in
    EXPECT_EQ(at[1].box - at[0].box, 8);
    EXPECT_EQ(at[1].label - at[0].label, 8);
    EXPECT_EQ(at[1].radio - at[0].radio, 8);
    EXPECT_EQ(at[1].text - at[0].text, 4);
    EXPECT_TRUE(at[0].field_bottom);
    EXPECT_TRUE(at[1].field_bottom);
}

}  // namespace
