// The "GTK" look's record, its set-up and tear-down: a light grey face with
// white highlights top-left and grey/black shadows bottom-right. It is the
// look the game makes current at start-up.
#include "widgets/looks/gtk/look.h"

// The record's colour cells.
static int gtk_fg_cell;
static int gtk_bg_cell;
static int gtk_mg_cell;

static void gtk_init(void)
{
    gtk_read_params();

    gtk_fg_cell = gtk_black;
    gtk_bg_cell = gtk_face;
    gtk_mg_cell = gtk_shadow;

    gtk_build_bitmaps();

    gui_menu_draw_menu = gtk_draw_menu;
    gui_menu_draw_menu_item = gtk_draw_menu_item;
}

static void gtk_shutdown(void)
{
    gui_menu_draw_menu_item = nullptr;
    gui_menu_draw_menu = nullptr;
    gtk_destroy_bitmaps();
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
