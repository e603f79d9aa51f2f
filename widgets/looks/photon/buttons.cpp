// The "Photon" look's frames and buttons: boxes, buttons, push buttons,
// check boxes, radio buttons, icons, windows and the clear procedure.
#include "widgets/looks/photon/look.h"

namespace {

// The label beside a check box or radio button.
void draw_side_label(const DIALOG *d)
{
    if (d->dp) {
        photon_text(gui_get_screen(), static_cast<const char *>(d->dp), d->x + photon_check_size + 6,
                    d->y + d->h / 2 - text_height(font) / 2, d->flags, FALSE);
    }
}

}  // namespace

int photon_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW)
        photon_panel(gui_get_screen(), d->x, d->y, d->w, d->h, photon_colour(PH_FACE), photon_bevel_width);
    return D_O_K;
}

int photon_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    const int r = d->x + d->w - 1, b = d->y + d->h - 1;
    const bool pressed = d->flags & D_SELECTED;
    // A pressed button swaps its light and dark edges and nudges its label;
    // the face gradient stays as it is.
    const int shift = pressed ? 1 : 0;
    const int light = photon_colour(pressed ? PH_EDGE_DARK : PH_WHITE);
    const int dark = photon_colour(pressed ? PH_WHITE : PH_EDGE_DARK);

    // The lit edge runs just inside the etched frame.
    const int e = photon_frame_inset(d->w, d->h);
    photon_frame(gui_get_screen(), d->x, d->y, d->w, d->h, photon_bevel_width);
    hline(gui_get_screen(), d->x + e, d->y + e, r - e, light);
    vline(gui_get_screen(), d->x + e, d->y + e, b - e, light);
    hline(gui_get_screen(), d->x + e, b - e, r - e, dark);
    vline(gui_get_screen(), r - e, d->y + e, b - e, dark);
    photon_gradient(gui_get_screen(), d->x + e + 1, d->y + e + 1, r - e - 1, b - e - 1, photon_button_face, 0);
    if (d->dp) {
        photon_text(gui_get_screen(), static_cast<const char *>(d->dp), d->x + d->w / 2 + shift,
                    d->y + d->h / 2 - text_height(font) / 2 + shift, d->flags, TRUE);
    }
    return D_O_K;
}

int photon_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, photon_button_proc, PUSH_REDRAW_NOW);
}

int photon_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    // The box is size pixels square (14 with an 8-pixel font), etched, with
    // a white well and the cross (or the faint empty square) inside it.
    const int size = photon_check_size;
    const int x = d->x, cy = d->y + d->h / 2;
    const int left = x + 6, right = x + size - 1, top = cy - size / 2 + 3, bottom = cy + size / 2 - 4;
    rectfill(gui_get_screen(), x, d->y, x + d->w - 1, d->y + d->h - 1, photon_colour(PH_FACE));
    photon_frame(gui_get_screen(), x + 3, cy - size / 2, size, size, 2);
    rectfill(gui_get_screen(), x + 5, top - 1, right + 1, bottom + 1, photon_colour(PH_WHITE));
    if (d->flags & D_SELECTED) {
        const int shade = photon_colour(PH_CROSS_SHADE), cross = photon_colour(PH_CROSS);
        line(gui_get_screen(), left, top + 1, right - 1, bottom, shade);
        line(gui_get_screen(), left + 1, top, right, bottom - 1, shade);
        line(gui_get_screen(), left, bottom - 1, right - 1, top, shade);
        line(gui_get_screen(), left + 1, bottom, right, top + 1, shade);
        line(gui_get_screen(), left, top, right, bottom, cross);
        line(gui_get_screen(), left, bottom, right, top, cross);
    } else {
        rect(gui_get_screen(), left, top, right, bottom, photon_colour(PH_CHECK_HINT));
    }
    draw_side_label(d);
    return D_O_K;
}

int photon_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);

    rectfill(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, photon_colour(PH_FACE));
    BITMAP *image = (d->flags & D_SELECTED) ? photon_radio_on : photon_radio_off;
    const int size = photon_check_size, top = d->y + d->h / 2 - size / 2;
    if (image && size == image->w)
        blit(image, gui_get_screen(), 0, 0, d->x + 3, top, image->w, image->h);
    else if (image)
        stretch_blit(image, gui_get_screen(), 0, 0, image->w, image->h, d->x + 3, top, size, size);
    draw_side_label(d);
    return D_O_K;
}

int photon_icon_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return photon_button_proc(msg, d, c);

    const int e = photon_frame_inset(d->w, d->h);
    photon_frame(gui_get_screen(), d->x, d->y, d->w, d->h, photon_bevel_width);
    if (d->dp)
        stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + e, d->y + e, d->w - 2 * e, d->h - 2 * e);
    return D_O_K;
}

int photon_window_proc(int msg, DIALOG *d, int)
{
    if (msg != MSG_DRAW) return D_O_K;

    const int x = d->x, y = d->y, r = x + d->w - 1, b = y + d->h - 1;
    const int white = photon_colour(PH_WHITE), shade = photon_colour(PH_WINDOW_SHADE);
    const int rim = photon_colour(PH_MENU_FACE);

    // Outline and the three-step bevel down the sides and along the bottom.
    rect(gui_get_screen(), x, y, r, b, photon_colour(PH_BLACK));
    rect(gui_get_screen(), x + 1, y + 1, r - 1, b - 1, photon_colour(PH_WINDOW_RIM));
    vline(gui_get_screen(), x + 2, y + 2, b - 2, white);
    hline(gui_get_screen(), x + 2, b - 2, r - 2, shade);
    vline(gui_get_screen(), r - 2, y + 2, b - 2, shade);
    vline(gui_get_screen(), x + 3, y + 3, b - 3, rim);
    hline(gui_get_screen(), x + 3, b - 3, r - 3, rim);
    vline(gui_get_screen(), r - 3, y + 3, b - 3, rim);
    vline(gui_get_screen(), x + 4, y + 4, b - 4, shade);
    hline(gui_get_screen(), x + 4, b - 4, r - 4, white);
    vline(gui_get_screen(), r - 4, y + 4, b - 4, white);

    // The blue title bar: a ridge of stripes over a shaded band, its bottom
    // line `bar` rows below the frame (19 with an 8-pixel font).
    const int bar = y + 1 + photon_title_height;
    const int title_light = photon_colour(PH_TITLE_LIGHT);
    const int title_mid = photon_colour(PH_TITLE_MID);
    const int title_dark = photon_colour(PH_TITLE_DARK);
    hline(gui_get_screen(), x + 2, y + 2, r - 2, title_light);
    hline(gui_get_screen(), x + 2, y + 3, r - 2, title_mid);
    hline(gui_get_screen(), x + 2, y + 4, r - 2, title_dark);
    hline(gui_get_screen(), x + 2, y + 5, r - 2, title_mid);
    photon_gradient(gui_get_screen(), x + 2, y + 6, r - 2, bar - 1, photon_title, 0);
    hline(gui_get_screen(), x + 2, bar, r - 2, title_dark);
    vline(gui_get_screen(), x + 2, y + 6, bar, title_light);
    vline(gui_get_screen(), r - 2, y + 6, bar, title_dark);

    rectfill(gui_get_screen(), x + 5, bar + 1, r - 5, b - 5, photon_colour(PH_FACE));

    draw_centred_title(d, y + 8 + (photon_title_height - 19) / 2, photon_colour(PH_BLACK));
    return D_O_K;
}

int photon_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), photon_colour(PH_FACE));
    return D_O_K;
}
