/* A look written in C as a record initialiser, as the header shows it: it
 * must compile without a warning under C99's -Wall -Wextra. */
#include <sloopgui/theme.h>

/* clang-format off */
static Theme plain = {
    "Plain",
    NULL, NULL, NULL,
    NULL, NULL,
    d_box_proc,         /* box */
    d_shadow_box_proc,  /* shadow box */
    d_button_proc,      /* button */
    stock_push_proc,    /* push button */
    d_check_proc,       /* check box */
    d_radio_proc,       /* radio button */
    d_icon_proc,        /* icon */
    d_edit_proc,        /* edit field */
    d_list_proc,        /* list */
    d_text_list_proc,   /* text list */
    d_textbox_proc,     /* text box */
    d_slider_proc,      /* slider */
    d_menu_proc,        /* menu */
    stock_window_proc,  /* window */
    d_clear_proc,       /* clear */
    d_text_proc,        /* text */
    d_ctext_proc,       /* centred text */
    d_rtext_proc,       /* right-aligned text */
    THEME_RESERVED_NONE,
};
/* clang-format on */

int register_plain(void);
int register_plain(void)
{
    return register_theme(&plain);
}
