#include "gallery_dialog.h"

#include <cstdio>
#include <cstring>

#include "gallery_looks.h"
#include "widgets/looks/shared/char_art.h"
#include "widgets/theme.h"

// ---------------------------------------------------------------- looks ---

static GalleryLooks looks;
static int current_look = -1;
static DIALOG rows[64];

static int pick_look(int index)
{
    if (looks.count == 0) looks = registered_looks();
    if (looks.count == 0) return D_O_K;
    index = ((index % looks.count) + looks.count) % looks.count;
    gallery_use_look(looks.looks[index]);
    gallery_show_look_name(looks.looks[index]->name);
    return D_REDRAW;
}

// Keys F1..F8 pick a look by its place among the registered ones.
template <int N> static int pick_look_n(void)
{
    return N < looks.count ? pick_look(N) : D_O_K;
}
static int next_look(void)
{
    return pick_look(current_look + 1);
}
static int previous_look(void)
{
    return pick_look(current_look - 1);
}
static int quit_gallery(void)
{
    return D_CLOSE;
}

// The Look submenu's items carry their Theme in dp.
static int look_menu_item(void)
{
    for (int i = 0; i < looks.count; ++i)
        if (active_menu && active_menu->dp == looks.looks[i]) return pick_look(i);
    return D_O_K;
}

// The push button's dp3 callback: one look further; the dialog stays open.
static int next_look_button(DIALOG *)
{
    return next_look();
}

// ----------------------------------------------------------------- data ---

// clang-format off
// The icon: a skull and crossed bones, drawn with the layer's character art.
static const char *const SKULL_ART[16] = {
    "                ",
    "     ......     ",
    "    ........    ",
    "   ..........   ",
    "   ..XX..XX..   ",
    "   ..XX..XX..   ",
    "   ..........   ",
    "    ...XX...    ",
    "     ......     ",
    "     .X.X.X     ",
    " ..          .. ",
    "  ...      ...  ",
    "    ...  ...    ",
    "      ....      ",
    "    ...  ...    ",
    "  ...      ...  ",
};

static const ArtKey SKULL_KEY[] = {
    {' ',  20,  60, 110},   // night sea behind the flag
    {'.', 240, 240, 230},   // bone
    {'X',   0,   0,   0},   // eye holes
};
// clang-format on

static BITMAP *skull_icon = nullptr;

static char edit_text[101] = "Fifteen men on the dead man's chest";
static char window_title[64] = "Theme gallery";
static char list_marks[30];

static char *barrel_list(int index, int *size)
{
    static char item[32];
    if (index < 0) {
        *size = 30;
        return nullptr;
    }
    std::snprintf(item, sizeof item, "Barrel of rum %d", index + 1);
    return item;
}

static char *crew_list(int index, int *size)
{
    // clang-format off
    static const char *const crew[] = {
        "Captain", "First mate", "Bosun",   "Quartermaster", "Gunner",    "Cook",   "Carpenter", "Surgeon",
        "Lookout", "Powder monkey", "Navigator", "Cabin boy", "Sailmaker", "Cooper", "Parrot",
    };
    // clang-format on
    const int count = static_cast<int>(sizeof crew / sizeof crew[0]);
    if (index < 0) {
        *size = count;
        return nullptr;
    }
    return const_cast<char *>(crew[index]);
}

static char shanty[] = "Fifteen men on the dead man's chest,\n"
                       "Yo-ho-ho, and a bottle of rum!\n"
                       "Drink and the devil had done for the rest,\n"
                       "Yo-ho-ho, and a bottle of rum!\n"
                       "\n"
                       "The mate was fixed by the bosun's pike, the bosun brained with a marlinspike, "
                       "and cookey's throat was marked belike it had been gripped by fingers ten; and "
                       "there they lay, all good dead men, like break-o'-day in a boozing-ken.\n"
                       "\n"
                       "Yo-ho-ho, and a bottle of rum!";

// ----------------------------------------------------------------- menus ---

static MENU look_menu[GALLERY_MAX_LOOKS + 1];

static MENU gallery_menu[] = {
    {const_cast<char *>("Next look\tPgDn"), next_look, nullptr, 0, nullptr},
    {const_cast<char *>("Previous look\tPgUp"), previous_look, nullptr, 0, nullptr},
    {const_cast<char *>("Look"), nullptr, look_menu, 0, nullptr},
    {const_cast<char *>(""), nullptr, nullptr, 0, nullptr},
    {const_cast<char *>("Quit\tEsc"), quit_gallery, nullptr, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

static MENU help_menu[] = {
    {const_cast<char *>("F1-F7 pick a look"), nullptr, nullptr, D_DISABLED, nullptr},
    {const_cast<char *>("PgUp/PgDn cycle looks"), nullptr, nullptr, D_DISABLED, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

static MENU menu_bar[] = {
    {const_cast<char *>("Gallery"), nullptr, gallery_menu, 0, nullptr},
    {const_cast<char *>("Help"), nullptr, help_menu, 0, nullptr},
    {nullptr, nullptr, nullptr, 0, nullptr},
};

static void build_look_menu(void)
{
    for (int i = 0; i < looks.count; ++i)
        look_menu[i] = MENU{const_cast<char *>(looks.looks[i]->name), look_menu_item, nullptr, 0, looks.looks[i]};
    look_menu[looks.count] = MENU{nullptr, nullptr, nullptr, 0, nullptr};
}

// ------------------------------------------------------------------ rows ---

static void *fn(int (*f)(void))
{
    return reinterpret_cast<void *>(f);
}
static void *text(const char *s)
{
    return const_cast<char *>(s);
}
static void *fn_list(char *(*f)(int, int *))
{
    return reinterpret_cast<void *>(f);
}

static int edit_row = -1;
static bool built = false;

static void build_rows(void)
{
    void *push_cb = reinterpret_cast<void *>(next_look_button);
    // clang-format off
    const DIALOG table[] = {
        // proc                 x    y    w    h  fg bg key flags                   d1      d2  dp                     dp2         dp3
        {theme_clear_proc,      0,   0,   0,   0, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
        {theme_window_proc,     8,  24, 624, 448, 0, 0, 0, 0,                       0,      0,  window_title,          nullptr,    nullptr},
        {theme_menu_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       0,      0,  menu_bar,              nullptr,    nullptr},
        // frames and buttons
        {theme_box_proc,       24,  48,  80,  40, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
        {theme_shadow_box_proc,112, 48,  80,  40, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
        {theme_button_proc,    24,  96,  80,  20, 0, 0, 0, 0,                       0,      0,  text("Button"),        nullptr,    nullptr},
        {theme_button_proc,   112,  96,  80,  20, 0, 0, 0, D_SELECTED,              0,      0,  text("Pressed"),       nullptr,    nullptr},
        {theme_button_proc,    24, 122,  80,  20, 0, 0, 0, D_DISABLED,              0,      0,  text("Disabled"),      nullptr,    nullptr},
        {theme_push_proc,     112, 122,  80,  20, 0, 0, 0, 0,                       0,      0,  text("Next look"),     nullptr,    push_cb},
        // check boxes and radio buttons in every state
        {theme_check_proc,     24, 150, 168,  16, 0, 0, 0, 0,                       0,      0,  text("Check"),         nullptr,    nullptr},
        {theme_check_proc,     24, 168, 168,  16, 0, 0, 0, D_SELECTED,              0,      0,  text("Checked"),       nullptr,    nullptr},
        {theme_check_proc,     24, 186, 168,  16, 0, 0, 0, D_DISABLED,              0,      0,  text("Disabled"),      nullptr,    nullptr},
        {theme_check_proc,     24, 204, 168,  16, 0, 0, 0, D_DISABLED | D_SELECTED, 0,      0,  text("Disabled, on"),  nullptr,    nullptr},
        {theme_radio_proc,     24, 226, 168,  16, 0, 0, 0, 0,                       1,      0,  text("Radio"),         nullptr,    nullptr},
        {theme_radio_proc,     24, 244, 168,  16, 0, 0, 0, D_SELECTED,              1,      0,  text("Chosen"),        nullptr,    nullptr},
        {theme_radio_proc,     24, 262, 168,  16, 0, 0, 0, D_DISABLED,              2,      0,  text("Disabled"),      nullptr,    nullptr},
        {theme_radio_proc,     24, 280, 168,  16, 0, 0, 0, D_DISABLED | D_SELECTED, 2,      0,  text("Disabled, on"),  nullptr,    nullptr},
        // icon (its bitmap is set when built) and the three texts
        {theme_icon_proc,      24, 304,  40,  40, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
        {theme_text_proc,      76, 306, 116,   8, 0, 0, 0, 0,                       0,      0,  text("Left text"),     nullptr,    nullptr},
        {theme_ctext_proc,     76, 320, 116,   8, 0, 0, 0, 0,                       0,      0,  text("Centred"),       nullptr,    nullptr},
        {theme_rtext_proc,     76, 334, 116,   8, 0, 0, 0, 0,                       0,      0,  text("Right text"),    nullptr,    nullptr},
        // the edit field, lists that scroll, a text box that scrolls
        {theme_edit_proc,     216,  48, 200,  14, 0, 0, 0, 0,                       100,    0,  edit_text,             nullptr,    nullptr},
        {theme_list_proc,     216,  72, 200, 100, 0, 0, 0, 0,                       2,      0,  fn_list(barrel_list),  list_marks, nullptr},
        {theme_text_list_proc,216, 180, 200, 100, 0, 0, 0, 0,                       0,      0,  fn_list(crew_list),    nullptr,    nullptr},
        {theme_textbox_proc,  216, 288, 200, 120, 0, 0, 0, 0,                       0,      0,  shanty,                nullptr,    nullptr},
        // sliders: one across, two upright (the second at its minimum)
        {theme_slider_proc,   432,  48, 184,  20, 0, 0, 0, 0,                       100,    40, nullptr,               nullptr,    nullptr},
        {theme_slider_proc,   432,  76,  24, 200, 0, 0, 0, 0,                       100,    70, nullptr,               nullptr,    nullptr},
        {theme_slider_proc,   464,  76,  24, 200, 0, 0, 0, 0,                       100,    0,  nullptr,               nullptr,    nullptr},
        {theme_text_proc,     500,  80, 120,   8, 0, 0, 0, 0,                       0,      0,  text("F1-F7: a look"), nullptr,    nullptr},
        {theme_text_proc,     500,  94, 120,   8, 0, 0, 0, 0,                       0,      0,  text("PgUp/PgDn"),     nullptr,    nullptr},
        {theme_text_proc,     500, 108, 120,   8, 0, 0, 0, 0,                       0,      0,  text("Esc: quit"),     nullptr,    nullptr},
        // keys that switch the look live
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F1,   0, fn(pick_look_n<0>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F2,   0, fn(pick_look_n<1>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F3,   0, fn(pick_look_n<2>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F4,   0, fn(pick_look_n<3>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F5,   0, fn(pick_look_n<4>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F6,   0, fn(pick_look_n<5>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F7,   0, fn(pick_look_n<6>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_F8,   0, fn(pick_look_n<7>),   nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_PGDN, 0, fn(next_look),        nullptr,    nullptr},
        {d_keyboard_proc,       0,   0,   0,   0, 0, 0, 0, 0,                       KEY_PGUP, 0, fn(previous_look),    nullptr,    nullptr},
        {d_yield_proc,          0,   0,   0,   0, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
        {nullptr,               0,   0,   0,   0, 0, 0, 0, 0,                       0,      0,  nullptr,               nullptr,    nullptr},
    };
    // clang-format on
    static_assert(sizeof table <= sizeof rows, "the gallery has room for every row");
    std::memcpy(rows, table, sizeof table);
}

DIALOG *gallery_dialog(void)
{
    if (built) return rows;
    built = true;
    looks = registered_looks();
    build_look_menu();
    build_rows();
    skull_icon = bitmap_from_art(SKULL_ART, 16, 16, SKULL_KEY);
    list_marks[5] = list_marks[6] = 1;  // a multiple selection besides d1
    for (int i = 0; rows[i].proc; ++i) {
        if (rows[i].proc == theme_icon_proc) rows[i].dp = skull_icon;
        if (rows[i].proc == theme_edit_proc) edit_row = i;
    }
    return rows;
}

int gallery_edit_row(void)
{
    gallery_dialog();
    return edit_row;
}

void gallery_show_look_name(const char *name)
{
    // The stock look draws in each row's own colours: give them the GUI's.
    set_dialog_color(rows, gui_fg_color, gui_bg_color);
    std::snprintf(window_title, sizeof window_title, "Theme gallery: %s", name);
    for (int i = 0; look_menu[i].text; ++i) {
        if (std::strcmp(look_menu[i].text, name) == 0)
            look_menu[i].flags |= D_SELECTED;
        else
            look_menu[i].flags &= ~D_SELECTED;
    }
    for (int i = 0; i < looks.count; ++i)
        if (std::strcmp(looks.looks[i]->name, name) == 0) current_look = i;
}

static void send_to_all(DIALOG *d, int msg)
{
    for (; d->proc; ++d) {
        if (msg == MSG_DRAW) {
            if (d->flags & D_HIDDEN) continue;
            // Every row draws on the whole screen, whatever clipping the row
            // before left behind.
            set_clip_rect(screen, 0, 0, screen->w - 1, screen->h - 1);
        }
        d->proc(msg, d, 0);
    }
}

void gallery_start(DIALOG *rows)
{
    send_to_all(rows, MSG_START);
}
void gallery_end(DIALOG *rows)
{
    send_to_all(rows, MSG_END);
}
void gallery_draw(DIALOG *rows)
{
    send_to_all(rows, MSG_DRAW);
}

void gallery_draw_open_menu(void)
{
    if (!gui_menu_draw_menu || !gui_menu_draw_menu_item) return;
    const int th = text_height(font);
    const int x = 440, y = 296, w = 180, item_h = th + 4;
    int count = 0;
    while (gallery_menu[count].text) ++count;
    gui_menu_draw_menu(x, y, w, count * item_h + 4);
    for (int i = 0; i < count; ++i)
        gui_menu_draw_menu_item(&gallery_menu[i], x + 2, y + 2 + i * item_h, w - 4, item_h, 0, i == 0);
}

void gallery_release(void)
{
    destroy_art_bitmap(skull_icon);
    for (int i = 0; rows[i].proc; ++i)
        if (rows[i].proc == theme_icon_proc) rows[i].dp = nullptr;
    built = false;
}
