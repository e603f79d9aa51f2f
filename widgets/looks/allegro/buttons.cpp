// The stock look's push button and window, the two widgets Allegro has no
// procedure for; everything else in the look is Allegro's own.
#include "widgets/looks/building_blocks.h"

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
    draw_window_title(d, gui_fg_color, gui_bg_color);
    return D_O_K;
}
