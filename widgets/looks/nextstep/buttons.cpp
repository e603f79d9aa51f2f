// The "NeXTStep" look's frames and buttons: boxes, buttons, push buttons,
// check boxes, radio buttons, icons, windows and the clear procedure.
#include "widgets/looks/nextstep/look.h"

namespace {

int label_colour(const DIALOG *d)
{
    return nextstep_colour((d->flags & D_DISABLED) ? NX_DISABLED : NX_BLACK);
}

// The label beside a check box or radio button, transparent.
void draw_side_label(const DIALOG *d)
{
    if (d->dp) {
        gui_textout_ex(gui_get_screen(), static_cast<const char *>(d->dp), d->x + nextstep_check_size + 4,
                       d->y + d->h / 2 - text_height(font) / 2, label_colour(d), -1, FALSE);
    }
}

}  // namespace

int nextstep_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) nextstep_bevel(gui_get_screen(), d->x, d->y, d->w, d->h, BEVEL_RAISED);
    return D_O_K;
}

int nextstep_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    // A pressed button turns white and its label sinks one pixel.
    const bool pressed = d->flags & D_SELECTED;
    const int shift = pressed ? 1 : 0;
    nextstep_bevel(gui_get_screen(), d->x, d->y, d->w, d->h, pressed ? BEVEL_PRESSED : BEVEL_RAISED);
    if (d->dp) {
        gui_textout_ex(gui_get_screen(), static_cast<const char *>(d->dp), d->x + d->w / 2 + shift,
                       d->y + d->h / 2 - text_height(font) / 2 + shift, label_colour(d), -1, TRUE);
    }
    return D_O_K;
}

int nextstep_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, nextstep_button_proc, PUSH_REDRAW_NOW);
}

int nextstep_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    // The box is drawn at its own 16 pixels and stretched when the font
    // makes it bigger.
    const int size = nextstep_check_size;
    const int cy = d->y + d->h / 2 - size / 2;
    BITMAP *box = size == 16 ? nullptr : create_bitmap(16, 16);
    BITMAP *target = box ? box : gui_get_screen();
    const int bx = box ? 0 : d->x, by = box ? 0 : cy;
    nextstep_bevel(target, bx, by, 16, 16, BEVEL_RAISED);
    if (d->flags & D_SELECTED) nextstep_check_mark(target, bx, by);
    if (box) {
        stretch_blit(box, gui_get_screen(), 0, 0, 16, 16, d->x, cy, size, size);
        destroy_bitmap(box);
    }
    draw_side_label(d);
    return D_O_K;
}

int nextstep_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);

    BITMAP *image = (d->flags & D_SELECTED) ? nextstep_radio_on : nextstep_radio_off;
    draw_box_image(gui_get_screen(), image, d->x, d->y + d->h / 2 - (nextstep_check_size - 1) / 2,
                   nextstep_check_size - 1);
    draw_side_label(d);
    return D_O_K;
}

int nextstep_icon_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    nextstep_bevel(gui_get_screen(), d->x, d->y, d->w, d->h, (d->flags & D_SELECTED) ? BEVEL_PRESSED : BEVEL_RAISED);
    if (d->dp) stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + 2, d->y + 2, d->w - 4, d->h - 4);
    return D_O_K;
}

int nextstep_window_proc(int msg, DIALOG *d, int)
{
    if (msg != MSG_DRAW) return D_O_K;

    const int x = d->x, y = d->y, r = x + d->w - 1, b = y + d->h - 1;
    const int th = text_height(font);
    const int black = nextstep_colour(NX_BLACK), grey = nextstep_colour(NX_GREY);
    const int dark = nextstep_colour(NX_DARK);

    rectfill(gui_get_screen(), x, y, r, b, grey);
    rect(gui_get_screen(), x, y, r, b, black);
    // The black title bar with a thin grey-and-dark bevel inside it.
    rectfill(gui_get_screen(), x, y, r, y + th + 7, black);
    hline(gui_get_screen(), x + 1, y + th + 6, r - 2, dark);
    vline(gui_get_screen(), r - 1, y + 2, y + th + 6, dark);
    hline(gui_get_screen(), x + 1, y + 1, r - 1, grey);
    vline(gui_get_screen(), x + 1, y + 1, y + th + 6, grey);
    draw_centred_title(d, y + 5, nextstep_colour(NX_WHITE));
    return D_O_K;
}

int nextstep_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), nextstep_colour(NX_GREY));
    return D_O_K;
}
