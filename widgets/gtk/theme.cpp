// The "GTK" look's record, palette and images: a light grey face with white
// highlights top-left and grey/black shadows bottom-right. It is the look the
// game makes current at start-up.
#include "widgets/shared/char_art.h"
#include "widgets/gtk/look.h"

int gtk_white;
int gtk_prelight;
int gtk_face;
int gtk_pressed;
int gtk_shadow_light;
int gtk_shadow;
int gtk_black;
int gtk_select;

BITMAP *gtk_radio_raised = nullptr;
BITMAP *gtk_radio_sunken = nullptr;
BITMAP *gtk_submenu_arrow = nullptr;

// The record's colour cells.
static int gtk_fg_cell;
static int gtk_bg_cell;
static int gtk_mg_cell;

// Colour key of the look's character art: blank is transparent.
// clang-format off
static const ArtKey GTK_ART_KEY[] = {
    {' ', ART_MASK,   0,   0},
    {'.',      255, 255, 255},   // gtk_white
    {'X',        0,   0,   0},   // gtk_black
    {'a',      165, 165, 165},   // gtk_shadow_light
    {'x',      149, 149, 149},   // gtk_shadow
};

static const char *const RADIO_RAISED_ART[11] = {
    "     .     ",
    "    ...    ",
    "   .. ..   ",
    "  ..   ..  ",
    " ..     .. ",
    "..       ..",
    " Xxx   xxX ",
    "  Xxx xxX  ",
    "   XxxxX   ",
    "    XxX    ",
    "     X     ",
};

static const char *const RADIO_SUNKEN_ART[11] = {
    "     x     ",
    "    xxx    ",
    "   xxXxx   ",
    "  xxX Xxx  ",
    " xxX   Xxx ",
    "xxX     Xxx",
    " ..a   a.. ",
    "  ..a a..  ",
    "   ..a..   ",
    "    ...    ",
    "     .     ",
};

static const char *const SUBMENU_ARROW_ART[7] = {
    ".a      ",
    ". aa    ",
    ".   aa  ",
    ".     aa",
    ".   xX  ",
    ". xX    ",
    "xX      ",
};
// clang-format on

static void gtk_init(void)
{
    gtk_white = makecol(255, 255, 255);
    gtk_prelight = makecol(238, 234, 238);
    gtk_face = makecol(214, 214, 214);
    gtk_pressed = makecol(197, 194, 197);
    gtk_shadow_light = makecol(165, 165, 165);
    gtk_shadow = makecol(149, 149, 149);
    gtk_black = makecol(0, 0, 0);
    gtk_select = makecol(0, 0, 156);

    gtk_fg_cell = gtk_black;
    gtk_bg_cell = gtk_face;
    gtk_mg_cell = gtk_shadow;

    gtk_radio_raised = bitmap_from_art(RADIO_RAISED_ART, 11, 11, GTK_ART_KEY);
    gtk_radio_sunken = bitmap_from_art(RADIO_SUNKEN_ART, 11, 11, GTK_ART_KEY);
    gtk_submenu_arrow = bitmap_from_art(SUBMENU_ARROW_ART, 8, 7, GTK_ART_KEY);

    gui_menu_draw_menu = gtk_draw_menu;
    gui_menu_draw_menu_item = gtk_draw_menu_item;
}

static void gtk_shutdown(void)
{
    destroy_art_bitmap(gtk_submenu_arrow);
    gui_menu_draw_menu_item = nullptr;
    gui_menu_draw_menu = nullptr;
    destroy_art_bitmap(gtk_radio_sunken);
    destroy_art_bitmap(gtk_radio_raised);
}

// clang-format off
Theme gtk_record = {
    "GTK",
    &gtk_fg_cell,
    &gtk_bg_cell,
    &gtk_mg_cell,
    gtk_init,
    gtk_shutdown,
    gtk_box_proc,
    gtk_shadow_box_proc,
    gtk_button_proc,
    gtk_push_proc,
    gtk_check_proc,
    gtk_radio_proc,
    gtk_icon_proc,
    gtk_edit_proc,
    gtk_list_proc,
    gtk_text_list_proc,
    gtk_textbox_proc,
    gtk_slider_proc,
    d_menu_proc,  // drawn through the hooks
    gtk_window_proc,
    gtk_clear_proc,
    themed_text_proc,
    themed_ctext_proc,
    themed_rtext_proc,
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_gtk = &gtk_record;
