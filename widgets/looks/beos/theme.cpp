// The "BeOS" record, its set-up and tear-down, and the caret-blink timer.
#include "widgets/looks/beos/look.h"

volatile int beos_blink = 0;
int beos_blink_seen = 0;

// Whether init started the blink timer, so shutdown removes only its own.
static bool blink_timer_running = false;

void beos_blink_tick(void)
{
    beos_blink = !beos_blink;
}
END_OF_FUNCTION(beos_blink_tick)

static void start_blink(void)
{
    // Without Allegro's timer (a program that never installed it) there is
    // nothing to blink with: the caret then simply stays on.
    if (!timer_driver) {
        beos_blink = 1;
        return;
    }
    LOCK_VARIABLE(beos_blink);
    LOCK_FUNCTION(beos_blink_tick);
    blink_timer_running = install_int(beos_blink_tick, 500) == 0;
    if (!blink_timer_running) beos_blink = 1;
}

static void stop_blink(void)
{
    if (blink_timer_running) remove_int(beos_blink_tick);
    blink_timer_running = false;
}

void beos_init(void)
{
    beos_make_colours();
    beos_build_bitmaps();
    gui_menu_draw_menu = beos_draw_menu;
    gui_menu_draw_menu_item = beos_draw_menu_item;
    start_blink();
}

void beos_shutdown(void)
{
    gui_menu_draw_menu_item = nullptr;
    gui_menu_draw_menu = nullptr;
    beos_destroy_bitmaps();
    stop_blink();
}

// --- The record ------------------------------------------------------------------

// clang-format off
Theme beos_record = {
    "BeOS",
    &beos_colours.fg,
    &beos_colours.bg,
    &beos_colours.mg,
    beos_init,
    beos_shutdown,
    beos_box_proc,
    beos_shadow_box_proc,
    beos_button_proc,
    beos_push_proc,
    beos_check_proc,
    beos_radio_proc,
    beos_icon_proc,
    beos_edit_proc,
    beos_list_proc,
    beos_text_list_proc,
    beos_textbox_proc,
    beos_slider_proc,
    d_menu_proc,  // Allegro's menus, drawn through the hooks set at init
    beos_window_proc,
    beos_clear_proc,
    themed_text_proc,
    themed_ctext_proc,
    themed_rtext_proc,
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_beos = &beos_record;
