// The "ASE" look's box, buttons, check boxes, radio buttons, window and
// clear procedures. Icons keep Allegro's stock look.
#include "widgets/looks/ase/look.h"

static int ase_text_colour(int flags)
{
    return ase_colour((flags & D_DISABLED) ? ASE_P_DIM : ASE_P_TEXT);
}

int ase_box_proc(int msg, DIALOG *d, int c)
{
    (void)c;
    if (msg == MSG_DRAW) ase_box(d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->flags);
    return D_O_K;
}

int ase_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    ase_box(d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->flags);
    if (d->dp) {
        // A pressed label sinks with the face, one pixel right and down.
        const int s = (d->flags & D_SELECTED) ? 1 : 0;
        draw_transparent_label(static_cast<const char *>(d->dp), d->x + d->w / 2 + s,
                               d->y + d->h / 2 - text_height(font) / 2 + s, ase_text_colour(d->flags), -1);
    }
    return D_O_K;
}

int ase_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, ase_button_proc, PUSH_REDRAW_NOW);
}

// Check boxes and radio buttons look alike: a box (12x12 with an 8-pixel
// font), pressed when set.
static void ase_draw_check(const DIALOG *d)
{
    const int cy = d->y + d->h / 2;
    const int size = ase_check_size;
    ase_box(d->x, cy - size / 2, d->x + size - 1, cy + size - size / 2 - 1, d->flags);
    if (d->dp)
        draw_transparent_label(static_cast<const char *>(d->dp), d->x + size + 4, cy - text_height(font) / 2,
                               ase_text_colour(d->flags), 0);
}

int ase_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    ase_draw_check(d);
    return D_O_K;
}

int ase_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);
    ase_draw_check(d);
    return D_O_K;
}

int ase_window_proc(int msg, DIALOG *d, int c)
{
    (void)c;
    if (msg != MSG_DRAW) return D_O_K;
    ase_box(d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, d->flags);
    draw_centred_title(d, d->y + 4, ase_colour(ASE_P_TEXT));
    return D_O_K;
}

int ase_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), ase_bg_color);
    return D_O_K;
}
