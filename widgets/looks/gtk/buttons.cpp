// The "GTK" look's frames and buttons: box, shadow box, button, push button,
// check box, radio button, icon, window and clear. Each draws on MSG_DRAW
// and leaves every other message to Allegro's stock procedure.
#include "widgets/looks/gtk/look.h"

// The row's label over whatever the widget drew; grey when the row is
// disabled.
static void gtk_label(DIALOG *d, int x, int y, int centre)
{
    const int colour = (d->flags & D_DISABLED) ? gtk_shadow : gtk_black;
    draw_transparent_label(static_cast<const char *>(d->dp), x, y, colour, centre);
}

// d: nothing but the rectangle. A raised face.
int gtk_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) gtk_box(d->x, d->y, d->w, d->h, GTK_RAISED, 0);
    return D_O_K;
}

// d: nothing but the rectangle. A raised face with a black frame.
int gtk_shadow_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) gtk_box(d->x, d->y, d->w, d->h, GTK_RAISED, 1);
    return D_O_K;
}

// d: dp the label (may be null); flags D_SELECTED pressed, D_GOTFOCUS lit and
// framed, D_DISABLED grey label. Pressing does not move the label.
int gtk_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    gtk_box(d->x, d->y, d->w, d->h, gtk_state_kind(d), gtk_state_frame(d));
    if (d->dp) gtk_label(d, d->x + d->w / 2, d->y + d->h / 2 - text_height(font) / 2, -1);
    return D_O_K;
}

// d: dp the label, dp3 the callback int (*)(DIALOG *) run when pressed; its
// result decides whether the dialog closes. The button is shown raised again
// at once, before the callback runs.
int gtk_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, gtk_button_proc, PUSH_REDRAW_NOW);
}

// d: dp the label (may be null); D_SELECTED checked. The box (10x10 with
// an 8-pixel font) is left unfilled so the row's lit or plain face shows
// through.
int gtk_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    const int size = gtk_check_size;
    gtk_focus_fill(d);
    const int left = d->x + gtk_check_padding;
    gtk_bevel(left, d->y + d->h / 2 - size / 2, size, size, (d->flags & D_SELECTED) ? GTK_PRESSED : GTK_PRELIGHT);
    if (d->dp) gtk_label(d, left + size + 5, d->y + d->h / 2 - text_height(font) / 2, 0);
    return D_O_K;
}

// d: dp the label (may be null), d1 the group, d2 the kind of button (as for
// d_radio_proc); D_SELECTED the chosen one.
int gtk_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);
    const int size = gtk_check_size;
    gtk_focus_fill(d);
    BITMAP *image = (d->flags & D_SELECTED) ? gtk_radio_sunken : gtk_radio_raised;
    const int left = d->x + gtk_check_padding;
    draw_box_image(gui_get_screen(), image, left, d->y + d->h / 2 - size / 2, size + 1);
    if (d->dp) gtk_label(d, left + size + 5, d->y + d->h / 2 - text_height(font) / 2, 0);
    return D_O_K;
}

// d: dp the BITMAP shown, stretched into the button (dp2, dp3 not drawn).
// Behaves as the look's button.
int gtk_icon_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return gtk_button_proc(msg, d, c);
    gtk_box(d->x, d->y, d->w, d->h, gtk_state_kind(d), gtk_state_frame(d));
    if (d->dp) stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + 2, d->y + 2, d->w - 4, d->h - 4);
    return D_O_K;
}

// d: dp the title (may be null), drawn near the top-left, clipped to the row.
int gtk_window_proc(int msg, DIALOG *d, int)
{
    if (msg != MSG_DRAW) return D_O_K;
    gtk_box(d->x, d->y, d->w, d->h, GTK_RAISED, 1);
    draw_window_title(d, gtk_black, gtk_face);
    return D_O_K;
}

// d: nothing. The whole screen in the look's face colour.
int gtk_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), gtk_face);
    return D_O_K;
}
