// The stock look "Allegro": Allegro's own procedures behind the same record,
// so a program can switch back to the library's look like to any other.
#include "widgets/push_button.h"
#include "widgets/text_mode.h"
#include "widgets/theme.h"

// d: dp caption, dp3 callback int (*)(DIALOG *) run when pressed.
int stock_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, d_button_proc, PUSH_REDRAW_LATER);
}

// d: dp the title (may be null). A shadow box with the title clipped to it.
int stock_window_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return D_O_K;
    d_shadow_box_proc(MSG_DRAW, d, c);
    if (d->dp) {
        int old_mode = theme_text_mode(gui_bg_color);
        int cx1, cy1, cx2, cy2;
        get_clip_rect(screen, &cx1, &cy1, &cx2, &cy2);
        int clipping = get_clip_state(screen);
        set_clip_rect(screen, d->x, d->y, d->x + d->w - 1, d->y + d->h - 1);
        textout_ex(screen, font, static_cast<const char *>(d->dp), d->x + 6, d->y + 6, gui_fg_color,
                   _textmode);
        set_clip_rect(screen, cx1, cy1, cx2, cy2);
        set_clip_state(screen, clipping);
        theme_text_mode(old_mode);
    }
    return D_O_K;
}

static void stock_init(void)
{
    theme_allegro->fg_color = &gui_fg_color;
    theme_allegro->bg_color = &gui_bg_color;
    theme_allegro->mg_color = &gui_mg_color;
    gui_menu_draw_menu = nullptr;
    gui_menu_draw_menu_item = nullptr;
}

static void stock_shutdown(void) {}

static Theme stock_theme = {
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
};

Theme *theme_allegro = &stock_theme;
