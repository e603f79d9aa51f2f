// The label procedures every drawn look shares: the text in the look's own
// colours (not the row's), so labels match the look's face.
#include "widgets/style/look_base.h"
#include "widgets/theme.h"

// Draws dp at (x, y) in the current look's fg on its bg; returns 0.
static int draw_themed_text(DIALOG *d, int x, int centre)
{
    if (!look_in_force || !d->dp) return D_O_K;
    const int *fg_cell = look_in_force->fg_color ? look_in_force->fg_color : look_resolved.fg_color;
    const int *bg_cell = look_in_force->bg_color ? look_in_force->bg_color : look_resolved.bg_color;
    int fg = fg_cell ? *fg_cell : 0;
    int bg = bg_cell ? *bg_cell : 0;
    gui_textout_ex(gui_get_screen(), static_cast<const char *>(d->dp), x, d->y, fg, bg, centre);
    return D_O_K;
}

// d: dp the text; fg/bg ignored in favour of the look's colours.
int themed_text_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_text_proc(msg, d, c);
    return draw_themed_text(d, d->x, 0);
}

// d: dp the text, centred on x + w/2.
int themed_ctext_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_ctext_proc(msg, d, c);
    return draw_themed_text(d, d->x + d->w / 2, -1);
}

// d: dp the text, its right end at x + w.
int themed_rtext_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_rtext_proc(msg, d, c);
    if (!d->dp) return D_O_K;
    return draw_themed_text(d, d->x + d->w - gui_strlen(static_cast<const char *>(d->dp)), 0);
}
