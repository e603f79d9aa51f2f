// sloopgui-look-editor: a look's parameters edited live, in a dialog made
// of sloopgui's own widgets and drawn in the look being edited. On the left
// one of each widget in its states; on the right the parameters, with red,
// green and blue sliders (one slider for a metric), the value as text, and
// buttons to undo, load and save a look file; below them the widget parts,
// each drawn from an image picked with its nine-slice margins.
//
//   sloopgui-look-editor                 a new look falling back on "GTK"
//   sloopgui-look-editor --base NAME     ... on the registered look NAME
//   sloopgui-look-editor FILE.look       the look in FILE (saved back there)
#include <allegro.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "editor_model.h"

namespace {

EditorModel model;
char file_path[1024] = "";
char window_title[128] = "";
char value_text[16] = "";
char status_text[1200] = "";
int chosen = 0;  // the parameter shown in the sliders

char *param_list(int index, int *size)
{
    static char line[96];
    ThemeStyle *style = editor_style(model);
    if (index < 0) {
        *size = style ? style->count : 0;
        return nullptr;
    }
    const ThemeParam &param = style->param[index];
    std::snprintf(line, sizeof line, "%-18s %s%s", param.name, editor_value_text(param).c_str(),
                  param.own ? "" : " (base)");
    return line;
}

enum Row {
    ROW_TITLE = 1,
    ROW_LIST = 18,
    ROW_RED,
    ROW_GREEN,
    ROW_BLUE,
    ROW_VALUE,
    ROW_STATUS = 28,
    ROW_PARTS,
};

DIALOG rows[40];

int slider_changed(void *, int);
int set_pressed(DIALOG *);
int undo_pressed(DIALOG *);
int load_pressed(DIALOG *);
int save_pressed(DIALOG *);
int quit_pressed(DIALOG *)
{
    return D_CLOSE;
}
// Ctrl+Z.
int undo_key(void)
{
    return undo_pressed(nullptr);
}

// Shows the chosen parameter in the sliders and the text field: three
// sliders of 0..255 for a colour, the first alone over min..max otherwise.
void show_chosen(void)
{
    ThemeStyle *style = editor_style(model);
    if (!style || chosen >= style->count) return;
    const ThemeParam &param = style->param[chosen];
    const bool colour = param.kind == THEME_PARAM_COLOUR;
    const int parts[3] = {(param.value >> 16) & 0xFF, (param.value >> 8) & 0xFF, param.value & 0xFF};
    for (int i = 0; i < 3; ++i) {
        DIALOG &slider = rows[ROW_RED + i];
        slider.d1 = colour ? 255 : param.max - param.min;
        slider.d2 = colour ? parts[i] : param.value - param.min;
        if (i > 0) slider.flags = colour ? (slider.flags & ~D_HIDDEN) : (slider.flags | D_HIDDEN);
    }
    std::snprintf(value_text, sizeof value_text, "%s", editor_value_text(param).c_str());
    rows[ROW_VALUE].d2 = static_cast<int>(std::strlen(value_text));
    std::snprintf(status_text, sizeof status_text, "%s: %s", param.name, param.about ? param.about : "");
}

// The parameter list: a change of row shows the new parameter.
int param_list_proc(int msg, DIALOG *d, int c)
{
    const int before = d->d1;
    const int result = theme_list_proc(msg, d, c);
    if (d->d1 != before) {
        chosen = d->d1;
        show_chosen();
        return result | D_REDRAW;
    }
    return result;
}

void change_to(int value)
{
    if (editor_set(model, chosen, value)) {
        set_dialog_color(rows, gui_fg_color, gui_bg_color);
        show_chosen();
    }
}

int slider_changed(void *, int)
{
    ThemeStyle *style = editor_style(model);
    if (!style) return D_O_K;
    const ThemeParam &param = style->param[chosen];
    if (param.kind == THEME_PARAM_COLOUR)
        change_to((rows[ROW_RED].d2 << 16) | (rows[ROW_GREEN].d2 << 8) | rows[ROW_BLUE].d2);
    else
        change_to(param.min + rows[ROW_RED].d2);
    return D_REDRAW;
}

int set_pressed(DIALOG *)
{
    ThemeStyle *style = editor_style(model);
    int value = 0;
    if (style && editor_parse_value(style->param[chosen], value_text, &value))
        change_to(value);
    else
        std::snprintf(status_text, sizeof status_text, "not a value for %s", style ? style->param[chosen].name : "");
    return D_REDRAW;
}

int undo_pressed(DIALOG *)
{
    if (!editor_undo(model)) std::snprintf(status_text, sizeof status_text, "nothing to undo");
    show_chosen();
    return D_REDRAW;
}

void report_problem(void *, int line, const char *key, int, const char *message)
{
    std::snprintf(status_text, sizeof status_text, "line %d %s: %s", line, key, message);
}

int load_pressed(DIALOG *)
{
    if (!file_select_ex("Load a look file", file_path, "look", sizeof file_path, 0, 0)) return D_REDRAW;
    stop_theme();
    status_text[0] = 0;
    const int code = load_theme_file(model.look, file_path, 0, report_problem, nullptr);
    editor_read_images(model, file_path);
    model.undo.clear();
    use_theme(model.look);
    set_dialog_color(rows, gui_fg_color, gui_bg_color);
    // The sliders show the loaded value; the status line keeps what the
    // load said, a problem above all.
    std::string said = status_text;
    show_chosen();
    if (code == THEME_OK) said = std::string("loaded ") + file_path;
    std::snprintf(status_text, sizeof status_text, "%s", said.c_str());
    return D_REDRAW;
}

int save_pressed(DIALOG *)
{
    if (!file_path[0] && !file_select_ex("Save the look as", file_path, "look", sizeof file_path, 0, 0))
        return D_REDRAW;
    if (save_theme_file(model.look, file_path) == THEME_OK)
        std::snprintf(status_text, sizeof status_text, "saved %s", file_path);
    else
        std::snprintf(status_text, sizeof status_text, "cannot write %s", file_path);
    return D_REDRAW;
}

// The widget parts a look draws from images, and the margins (left, top,
// right, bottom, frames) of the next image picked for one.
char margins_text[32] = "3 3 3 3 1";
char image_path[1024] = "";

char *part_list(int index, int *size)
{
    if (index < 0) {
        *size = EDITOR_PART_COUNT;
        return nullptr;
    }
    return const_cast<char *>(EDITOR_PARTS[index]);
}

int image_pressed(DIALOG *)
{
    EditorImage image;
    if (std::sscanf(margins_text, "%d %d %d %d %d", &image.left, &image.top, &image.right, &image.bottom,
                    &image.frames) < 4) {
        std::snprintf(status_text, sizeof status_text, "margins: left top right bottom [frames]");
        return D_REDRAW;
    }
    if (!file_select_ex("An image for the part", image_path, "bmp;pcx;tga;png", sizeof image_path, 0, 0))
        return D_REDRAW;
    const int part = rows[ROW_PARTS].d1;
    image.path = image_path;
    const int code = editor_set_image(model, part, image);
    if (code == THEME_OK) {
        std::snprintf(status_text, sizeof status_text, "%s drawn from %s", EDITOR_PARTS[part], image_path);
    } else {
        std::snprintf(status_text, sizeof status_text, "%s: the image was refused (%d)", image_path, code);
    }
    return D_REDRAW;
}

int no_image_pressed(DIALOG *)
{
    editor_set_image(model, rows[ROW_PARTS].d1, EditorImage{});
    return D_REDRAW;
}

char sample_text[64] = "Anne Bonny";
char box_text[] = "Fifteen men on the dead man's chest, yo-ho-ho and a bottle of rum! Drink and the devil had done "
                  "for the rest.";

char *crew(int index, int *size)
{
    static const char *const names[] = {"Captain", "First mate", "Bosun", "Gunner", "Cook", "Lookout", "Parrot"};
    if (index < 0) {
        *size = 7;
        return nullptr;
    }
    return const_cast<char *>(names[index]);
}

void *text(const char *s)
{
    return const_cast<char *>(s);
}

void build_rows(void)
{
    void *list = reinterpret_cast<void *>(param_list);
    void *slide = reinterpret_cast<void *>(slider_changed);
    // clang-format off
    const DIALOG table[] = {
        // proc               x    y    w    h  fg bg key flags                  d1   d2 dp                         dp2    dp3
        {theme_clear_proc,     0,   0,   0,   0, 0, 0, 0, 0,                     0,   0, nullptr,                   nullptr, nullptr},
        {theme_window_proc,    4,   4, 792, 592, 0, 0, 0, 0,                     0,   0, window_title,              nullptr, nullptr},
        // the preview
        {theme_box_proc,      16,  36,  80,  40, 0, 0, 0, 0,                     0,   0, nullptr,                   nullptr, nullptr},
        {theme_button_proc,  104,  36,  90,  22, 0, 0, 0, 0,                     0,   0, text("Button"),            nullptr, nullptr},
        {theme_button_proc,  202,  36,  90,  22, 0, 0, 0, D_SELECTED,            0,   0, text("Pressed"),           nullptr, nullptr},
        {theme_button_proc,  300,  36,  90,  22, 0, 0, 0, D_DISABLED,            0,   0, text("Disabled"),          nullptr, nullptr},
        {theme_check_proc,    16,  86, 180,  20, 0, 0, 0, 0,                     0,   0, text("Check"),             nullptr, nullptr},
        {theme_check_proc,    16, 108, 180,  20, 0, 0, 0, D_SELECTED,            0,   0, text("Checked"),           nullptr, nullptr},
        {theme_check_proc,    16, 130, 180,  20, 0, 0, 0, D_DISABLED,            0,   0, text("Disabled"),          nullptr, nullptr},
        {theme_radio_proc,   200,  86, 180,  20, 0, 0, 0, 0,                     1,   0, text("Radio"),             nullptr, nullptr},
        {theme_radio_proc,   200, 108, 180,  20, 0, 0, 0, D_SELECTED,            1,   0, text("Chosen"),            nullptr, nullptr},
        {theme_radio_proc,   200, 130, 180,  20, 0, 0, 0, D_DISABLED,            2,   0, text("Disabled"),          nullptr, nullptr},
        {theme_edit_proc,     16, 160, 200,  20, 0, 0, 0, 0,                     63,  0, sample_text,               nullptr, nullptr},
        {theme_list_proc,     16, 192, 180, 110, 0, 0, 0, 0,                     2,   0, reinterpret_cast<void *>(crew), nullptr, nullptr},
        {theme_textbox_proc, 204, 192, 200, 110, 0, 0, 0, 0,                     0,   0, box_text,                  nullptr, nullptr},
        {theme_slider_proc,   16, 312, 200,  20, 0, 0, 0, 0,                     100, 40, nullptr,                  nullptr, nullptr},
        {theme_window_proc,   16, 344, 388, 140, 0, 0, 0, 0,                     0,   0, text("A window"),          nullptr, nullptr},
        {theme_text_proc,     28, 380, 300,  10, 0, 0, 0, 0,                     0,   0, text("Text on the window's face"), nullptr, nullptr},
        // the parameters
        {param_list_proc,    420,  36, 364, 300, 0, 0, 0, 0,                     0,   0, list,                      nullptr, nullptr},
        {theme_slider_proc,  420, 346, 364,  18, 0, 0, 0, 0,                     255, 0, nullptr,                   slide,   nullptr},
        {theme_slider_proc,  420, 370, 364,  18, 0, 0, 0, 0,                     255, 0, nullptr,                   slide,   nullptr},
        {theme_slider_proc,  420, 394, 364,  18, 0, 0, 0, 0,                     255, 0, nullptr,                   slide,   nullptr},
        {theme_edit_proc,    420, 422, 120,  20, 0, 0, 0, 0,                     15,  0, value_text,                nullptr, nullptr},
        {theme_push_proc,    548, 422,  70,  22, 0, 0, 0, 0,                     0,   0, text("Set"),               nullptr, reinterpret_cast<void *>(set_pressed)},
        {theme_push_proc,    420, 456,  80,  22, 0, 0, 0, 0,                     0,   0, text("Undo"),              nullptr, reinterpret_cast<void *>(undo_pressed)},
        {theme_push_proc,    508, 456,  80,  22, 0, 0, 0, 0,                     0,   0, text("Load..."),           nullptr, reinterpret_cast<void *>(load_pressed)},
        {theme_push_proc,    596, 456,  80,  22, 0, 0, 0, 0,                     0,   0, text("Save"),              nullptr, reinterpret_cast<void *>(save_pressed)},
        {theme_push_proc,    684, 456,  80,  22, 0, 0, 0, 0,                     0,   0, text("Quit"),              nullptr, reinterpret_cast<void *>(quit_pressed)},
        {theme_text_proc,     16, 570, 770,  10, 0, 0, 0, 0,                     0,   0, status_text,               nullptr, nullptr},
        {theme_list_proc,    420, 488, 120,  70, 0, 0, 0, 0,                     0,   0, reinterpret_cast<void *>(part_list), nullptr, nullptr},
        {theme_edit_proc,    548, 488, 100,  20, 0, 0, 0, 0,                     31,  0, margins_text,              nullptr, nullptr},
        {theme_push_proc,    548, 514,  90,  22, 0, 0, 0, 0,                     0,   0, text("Image..."),          nullptr, reinterpret_cast<void *>(image_pressed)},
        {theme_push_proc,    644, 514,  90,  22, 0, 0, 0, 0,                     0,   0, text("No image"),          nullptr, reinterpret_cast<void *>(no_image_pressed)},
        {d_keyboard_proc,      0,   0,   0,   0, 0, 0, 0, 0,                     26,  0, reinterpret_cast<void *>(undo_key), nullptr, nullptr},
        {d_yield_proc,         0,   0,   0,   0, 0, 0, 0, 0,                     0,   0, nullptr,                   nullptr, nullptr},
        {nullptr,              0,   0,   0,   0, 0, 0, 0, 0,                     0,   0, nullptr,                   nullptr, nullptr},
    };
    // clang-format on
    static_assert(sizeof table <= sizeof rows, "room for every row");
    std::memcpy(rows, table, sizeof table);
}

int usage(void)
{
    std::fprintf(stderr, "usage: sloopgui-look-editor [--base NAME | FILE.look]\n");
    return 2;
}

}  // namespace

int main(int argc, char **argv)
{
    const char *base_name = "GTK";
    const char *file = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--base") == 0)
        base_name = argv[2];
    else if (argc == 2 && argv[1][0] != '-')
        file = argv[1];
    else if (argc != 1)
        return usage();

    if (allegro_init() != 0) return 1;
    install_timer();
    install_keyboard();
    install_mouse();
    set_color_depth(16);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 800, 600, 0, 0) != 0) {
        allegro_message("Cannot open an 800x600 window: %s\n", allegro_error);
        return 1;
    }
    int error = THEME_OK;
    if (file) {
        model.look = load_theme(file, 0, report_problem, nullptr, &error);
        editor_read_images(model, file);
        std::snprintf(file_path, sizeof file_path, "%s", file);
    } else {
        model.look = derive_theme("Edited look", find_theme(base_name), nullptr, &error);
    }
    if (!model.look) {
        allegro_message("No look to edit (%d): %s\n", error, status_text);
        return 1;
    }
    build_rows();
    const Theme *base = theme_base(model.look);
    std::snprintf(window_title, sizeof window_title, "Look editor: %s, falling back on %s", model.look->name,
                  base ? base->name : "nothing");
    use_theme(model.look);
    set_dialog_color(rows, gui_fg_color, gui_bg_color);
    show_chosen();
    do_dialog(rows, ROW_LIST);
    stop_theme();
    free_theme(model.look);
    return 0;
}
END_OF_MAIN()
