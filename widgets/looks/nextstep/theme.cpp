// The "NeXTStep" record: its colour cells, set-up and tear-down, and the
// procedures in its slots.
#include "widgets/looks/nextstep/look.h"

namespace {

// The record's colour cells: text, face and disabled text.
int nextstep_fg = 0;
int nextstep_bg = 0;
int nextstep_mg = 0;

}  // namespace

Theme nextstep_record = {
    "NeXTStep",
    &nextstep_fg,
    &nextstep_bg,
    &nextstep_mg,
    nextstep_init,
    nextstep_shutdown,
    nextstep_box_proc,
    nextstep_box_proc,  // a shadow box is the same raised bevel
    nextstep_button_proc,
    nextstep_push_proc,
    nextstep_check_proc,
    nextstep_radio_proc,
    nextstep_icon_proc,
    nextstep_edit_proc,
    nextstep_list_proc,
    nextstep_text_list_proc,
    nextstep_textbox_proc,
    nextstep_slider_proc,
    d_menu_proc,  // Allegro's menus, drawn through the hooks set at init
    nextstep_window_proc,
    nextstep_clear_proc,
    themed_text_proc,
    themed_ctext_proc,
    themed_rtext_proc,
    THEME_RESERVED_NONE,
};

Theme *theme_nextstep = &nextstep_record;

void nextstep_init(void)
{
    nextstep_compute_colours();
    nextstep_fg = nextstep_colour(NX_BLACK);
    nextstep_bg = nextstep_colour(NX_GREY);
    nextstep_mg = nextstep_colour(NX_DISABLED);
    nextstep_build_bitmaps();
    gui_menu_draw_menu = nextstep_draw_menu;
    gui_menu_draw_menu_item = nextstep_draw_menu_item;
}

void nextstep_shutdown(void)
{
    nextstep_destroy_bitmaps();
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = nullptr;
}
