// The stock look "Allegro": Allegro's own procedures behind the same record,
// so a program can switch back to the library's look like to any other.
#include "widgets/looks/building_blocks.h"

static void point_at_gui_colours(Theme *theme)
{
    theme->fg_color = &gui_fg_color;
    theme->bg_color = &gui_bg_color;
    theme->mg_color = &gui_mg_color;
}

static void stock_init(void)
{
    point_at_gui_colours(&allegro_record);
    // A program's look copied from this record runs this init as its own:
    // its cells must be pointed too, or it would publish no colours at all.
    if (look_in_force && look_in_force->init == stock_init) point_at_gui_colours(look_in_force);
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = nullptr;
}

static void stock_shutdown(void) {}

// clang-format off
Theme allegro_record = {
    "Allegro",
    nullptr, nullptr, nullptr,  // pointed at Allegro's GUI colours by init
    stock_init,
    stock_shutdown,
    d_box_proc,
    d_shadow_box_proc,
    d_button_proc,
    stock_push_proc,
    d_check_proc,
    d_radio_proc,
    d_icon_proc,
    d_edit_proc,
    d_list_proc,
    d_text_list_proc,
    d_textbox_proc,
    d_slider_proc,
    d_menu_proc,
    stock_window_proc,
    d_clear_proc,
    d_text_proc,
    d_ctext_proc,
    d_rtext_proc,
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_allegro = &allegro_record;
