// The "GTK" look's record, palette and images: a light grey face with white
// highlights top-left and grey/black shadows bottom-right. It is the look the
// game makes current at start-up.
#include "widgets/looks/shared/param_art.h"
#include "widgets/looks/gtk/look.h"

int gtk_white;
int gtk_prelight;
int gtk_face;
int gtk_pressed;
int gtk_shadow_light;
int gtk_shadow;
int gtk_black;
int gtk_select;
int gtk_check_size;
int gtk_scrollbar_width;
int gtk_bevel_width;
int gtk_check_padding;

BITMAP *gtk_radio_raised = nullptr;
BITMAP *gtk_radio_sunken = nullptr;
BITMAP *gtk_submenu_arrow = nullptr;

// The record's colour cells.
static int gtk_fg_cell;
static int gtk_bg_cell;
static int gtk_mg_cell;

// Colour key of the look's character art: blank is transparent; the other
// characters are the palette's parameters.
// clang-format off
static const ParamArtColour GTK_ART_COLOURS[] = {
    {'.', GTK_P_WHITE},
    {'X', GTK_P_BLACK},
    {'a', GTK_P_SHADOW_LIGHT},
    {'x', GTK_P_SHADOW},
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
    gtk_white = look_colour_value(GTK_PARAMS[GTK_P_WHITE]);
    gtk_prelight = look_colour_value(GTK_PARAMS[GTK_P_PRELIGHT]);
    gtk_face = look_colour_value(GTK_PARAMS[GTK_P_FACE]);
    gtk_pressed = look_colour_value(GTK_PARAMS[GTK_P_PRESSED]);
    gtk_shadow_light = look_colour_value(GTK_PARAMS[GTK_P_SHADOW_LIGHT]);
    gtk_shadow = look_colour_value(GTK_PARAMS[GTK_P_SHADOW]);
    gtk_black = look_colour_value(GTK_PARAMS[GTK_P_BLACK]);
    gtk_select = look_colour_value(GTK_PARAMS[GTK_P_SELECT]);
    gtk_check_size = look_size_value(GTK_PARAMS[GTK_P_CHECK_SIZE]);
    gtk_scrollbar_width = look_value(GTK_PARAMS[GTK_P_SCROLLBAR_WIDTH]);
    gtk_bevel_width = look_value(GTK_PARAMS[GTK_P_BEVEL_WIDTH]);
    gtk_check_padding = look_value(GTK_PARAMS[GTK_P_CHECK_PADDING]);

    constexpr int COLOURS = sizeof GTK_ART_COLOURS / sizeof GTK_ART_COLOURS[0];
    ArtKey key[1 + COLOURS] = {{' ', ART_MASK, 0, 0}};
    param_art_keys(key + 1, GTK_ART_COLOURS, COLOURS, GTK_PARAMS);

    gtk_fg_cell = gtk_black;
    gtk_bg_cell = gtk_face;
    gtk_mg_cell = gtk_shadow;

    gtk_radio_raised = bitmap_from_art(RADIO_RAISED_ART, 11, 11, key);
    gtk_radio_sunken = bitmap_from_art(RADIO_SUNKEN_ART, 11, 11, key);
    gtk_submenu_arrow = bitmap_from_art(SUBMENU_ARROW_ART, 8, 7, key);

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
