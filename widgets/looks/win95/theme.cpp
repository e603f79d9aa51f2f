// The "Win95" record, its set-up and tear-down, and the caret-blink timer.
#include "widgets/looks/win95/look.h"

volatile int w95_blink;
int w95_blink_seen;

void w95_blink_tick(void)
{
    w95_blink = !w95_blink;
}
END_OF_FUNCTION(w95_blink_tick)

// Allegro's SYSTEM_NONE driver has no timer at all and crashes in
// install_int; without a timer the caret simply stays as it is.
static bool w95_timer_available(void)
{
    return system_driver && system_driver->id != SYSTEM_NONE;
}

static bool w95_timer_running = false;

static void w95_init(void)
{
    w95_make_palette();
    w95_build_bitmaps();
    gui_menu_draw_menu = w95_draw_menu;
    gui_menu_draw_menu_item = w95_draw_menu_item;
    if (w95_timer_available()) {
        LOCK_VARIABLE(w95_blink);
        LOCK_FUNCTION(w95_blink_tick);
        w95_timer_running = install_int(w95_blink_tick, 500) == 0;
    }
}

static void w95_shutdown(void)
{
    w95_free_bitmaps();
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = nullptr;
    if (w95_timer_running) remove_int(w95_blink_tick);
    w95_timer_running = false;
}

// clang-format off
Theme win95_record = {
    "Win95",
    &w95_black, &w95_face, &w95_grey149,
    w95_init, w95_shutdown,
    w95_box_proc,        // box
    w95_box_proc,        // shadow box
    w95_button_proc,     // button
    w95_push_proc,       // push button
    w95_check_proc,      // check box
    w95_radio_proc,      // radio button
    w95_icon_proc,       // icon
    w95_edit_proc,       // edit field
    w95_list_proc,       // list
    w95_text_list_proc,  // text list
    w95_textbox_proc,    // text box
    w95_slider_proc,     // slider
    d_menu_proc,         // menu: drawn through the hooks
    w95_window_proc,     // window
    w95_clear_proc,      // clear
    themed_text_proc,    // text
    themed_ctext_proc,   // centred text
    themed_rtext_proc,   // right-aligned text
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_win95 = &win95_record;
