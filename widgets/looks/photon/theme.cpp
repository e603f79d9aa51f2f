// The "Photon" record: its colour cells, set-up and tear-down, and the
// procedures in its slots.
#include "widgets/looks/photon/look.h"

namespace {

// The record's colour cells: text, face and disabled text.
int photon_fg = 0;
int photon_bg = 0;
int photon_mg = 0;

}  // namespace

Theme photon_record = {
    "Photon",
    &photon_fg,
    &photon_bg,
    &photon_mg,
    photon_init,
    photon_shutdown,
    photon_box_proc,
    photon_box_proc,  // a shadow box is the same etched panel
    photon_button_proc,
    photon_push_proc,
    photon_check_proc,
    photon_radio_proc,
    photon_icon_proc,
    photon_edit_proc,
    photon_list_proc,
    photon_text_list_proc,
    photon_textbox_proc,
    photon_slider_proc,
    d_menu_proc,  // Allegro's menus, drawn through the hooks set at init
    photon_window_proc,
    photon_clear_proc,
    themed_text_proc,
    themed_ctext_proc,
    themed_rtext_proc,
    THEME_RESERVED_NONE,
};

Theme *theme_photon = &photon_record;

void photon_init(void)
{
    photon_compute_colours();
    photon_fg = photon_colour(PH_BLACK);
    photon_bg = photon_colour(PH_FACE);
    photon_mg = photon_colour(PH_DISABLED);
    photon_build_bitmaps();
    gui_menu_draw_menu = photon_draw_menu;
    gui_menu_draw_menu_item = photon_draw_menu_item;
}

void photon_shutdown(void)
{
    photon_destroy_bitmaps();
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = nullptr;
}
