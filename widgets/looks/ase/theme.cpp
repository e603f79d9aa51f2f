// The "ASE" record, its set-up and tear-down: black-outlined boxes with a
// one-pixel bevel and a face that fades from white to grey. Icons, lists,
// text boxes, sliders and menus keep Allegro's stock look.
#include "widgets/looks/ase/look.h"

int ase_fg_color;
int ase_bg_color;
int ase_mg_color;

static void ase_init(void)
{
    ase_read_params();
    const int depth = gui_get_screen() ? bitmap_color_depth(gui_get_screen()) : get_color_depth();
    const int cells[] = {ase_rgb[ASE_P_TEXT], ase_rgb[ASE_P_LIGHT], ase_rgb[ASE_P_DIM]};
    int *const into[] = {&ase_fg_color, &ase_bg_color, &ase_mg_color};
    for (int i = 0; i < 3; i++) {
        const int r = (cells[i] >> 16) & 0xFF, g = (cells[i] >> 8) & 0xFF, b = cells[i] & 0xFF;
        // Palette components run from 0 to 63 in 8-bit mode.
        *into[i] = depth == 8 ? bestfit_color(_current_palette, r >> 2, g >> 2, b >> 2) : makecol(r, g, b);
    }
}

static void ase_shutdown(void)
{
    // Nothing to free: every colour but the three cells is made on use.
}

// clang-format off
Theme ase_record = {
    "ASE",
    &ase_fg_color, &ase_bg_color, &ase_mg_color,
    ase_init, ase_shutdown,
    ase_box_proc,        // box
    ase_box_proc,        // shadow box
    ase_button_proc,     // button
    ase_push_proc,       // push button
    ase_check_proc,      // check box
    ase_radio_proc,      // radio button
    d_icon_proc,         // icon
    ase_edit_proc,       // edit field
    d_list_proc,         // list
    d_text_list_proc,    // text list
    d_textbox_proc,      // text box
    d_slider_proc,       // slider
    d_menu_proc,         // menu
    ase_window_proc,     // window
    ase_clear_proc,      // clear
    themed_text_proc,    // text
    themed_ctext_proc,   // centred text
    themed_rtext_proc,   // right-aligned text
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_ase = &ase_record;
