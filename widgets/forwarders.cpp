// The procedures that dialog rows name. Each looks the current look up on
// every message, so switching looks restyles a running dialog at once.
#include "widgets/theme.h"

template <ThemeDialogProc Theme::*Slot> static int forward(int msg, DIALOG *d, int c)
{
    if (current_theme && current_theme->*Slot) return (current_theme->*Slot)(msg, d, c);
    return D_O_K;
}

int theme_box_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::box_proc>(msg, d, c);
}
int theme_shadow_box_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::shadow_box_proc>(msg, d, c);
}
int theme_button_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::button_proc>(msg, d, c);
}
int theme_push_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::push_proc>(msg, d, c);
}
int theme_check_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::check_proc>(msg, d, c);
}
int theme_radio_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::radio_proc>(msg, d, c);
}
int theme_icon_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::icon_proc>(msg, d, c);
}
int theme_edit_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::edit_proc>(msg, d, c);
}
int theme_list_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::list_proc>(msg, d, c);
}
int theme_text_list_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::text_list_proc>(msg, d, c);
}
int theme_textbox_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::textbox_proc>(msg, d, c);
}
int theme_slider_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::slider_proc>(msg, d, c);
}
int theme_menu_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::menu_proc>(msg, d, c);
}
int theme_window_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::window_proc>(msg, d, c);
}
int theme_clear_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::clear_proc>(msg, d, c);
}
int theme_text_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::text_proc>(msg, d, c);
}
int theme_ctext_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::ctext_proc>(msg, d, c);
}
int theme_rtext_proc(int msg, DIALOG *d, int c)
{
    return forward<&Theme::rtext_proc>(msg, d, c);
}
