// The "BeOS" record, its set-up and tear-down, the caret-blink timer, and
// the slot procedures that are nothing but a kind and a rectangle.
#include "widgets/looks/beos/look.h"

#include "widgets/looks/shared/push_button.h"
#include "widgets/theme.h"
#include "widgets/looks/beos/palette.h"

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

// --- Slot procedures -----------------------------------------------------------

static void draw_row(const DIALOG *d, int kind, const void *extra)
{
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, d->h, d->flags, kind, extra);
}

// Boxes are plain button faces and take part in nothing.
int beos_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) draw_row(d, BEOS_BUTTON, nullptr);
    return D_O_K;
}

int beos_shadow_box_proc(int msg, DIALOG *d, int c)
{
    return beos_box_proc(msg, d, c);
}

int beos_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    draw_row(d, BEOS_BUTTON, d->dp);
    return D_O_K;
}

int beos_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, beos_button_proc, PUSH_REDRAW_NOW);
}

int beos_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    draw_row(d, BEOS_CHECK, d->dp);
    return D_O_K;
}

int beos_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);
    draw_row(d, BEOS_RADIO, d->dp);
    return D_O_K;
}

int beos_icon_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return beos_button_proc(msg, d, c);
    draw_row(d, BEOS_BUTTON, nullptr);
    // An icon row without its picture still shows the face.
    if (d->dp) stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + 2, d->y + 2, d->w - 4, d->h - 4);
    return D_O_K;
}

int beos_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);
    const ScrollInfo knob = {d->d1, 1, d->d2};
    draw_row(d, BEOS_SLIDER, &knob);
    return D_O_K;
}

int beos_window_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) draw_row(d, BEOS_WINDOW, d->dp);
    return D_O_K;
}

int beos_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), beos_colours.bg);
    return D_O_K;
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
