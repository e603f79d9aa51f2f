// The "Win95" box, buttons, check boxes, radio buttons, icons, window and
// clear procedures.
#include "widgets/looks/win95/look.h"

#include <algorithm>

static int w95_label_colour(int flags)
{
    return (flags & D_DISABLED) ? w95_shadow : w95_black;
}

// Held down: the mouse is over the row and its left button is down.
static bool w95_held(const DIALOG *d)
{
    return (d->flags & D_GOTMOUSE) && (mouse_b & 1);
}

// Check boxes, radio buttons and icons look different while held, so a
// press or release marks them for redrawing.
static void w95_mark_press(int msg, DIALOG *d)
{
    if (msg == MSG_LPRESS || msg == MSG_LRELEASE) d->flags |= D_DIRTY;
}

int w95_box_proc(int msg, DIALOG *d, int c)
{
    (void)c;
    if (msg == MSG_DRAW) w95_button_bevel(d->x, d->y, d->w, d->h, 0);
    return D_O_K;
}

int w95_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    const int x = d->x, y = d->y;
    const int x2 = x + d->w - 1, y2 = y + d->h - 1;
    int i = 0;  // inset of the bevel inside the focus outline
    int s = 0;  // label offset of a pressed button
    if (!(d->flags & D_SELECTED)) {
        if (d->flags & D_GOTFOCUS) {
            rect(gui_get_screen(), x, y, x2, y2, w95_black);
            i = 1;
        }
        hline(gui_get_screen(), x + i, y + i, x2 - i - 1, w95_white);
        vline(gui_get_screen(), x + i, y + i + 1, y2 - i - 1, w95_white);
        hline(gui_get_screen(), x + i, y2 - i, x2 - i, w95_black);
        vline(gui_get_screen(), x2 - i, y + i, y2 - i - 1, w95_black);
        hline(gui_get_screen(), x + i + 1, y + i + 1, x2 - i - 2, w95_light);
        vline(gui_get_screen(), x + i + 1, y + i + 2, y2 - i - 2, w95_light);
        hline(gui_get_screen(), x + i + 1, y2 - i - 1, x2 - i - 1, w95_shadow);
        vline(gui_get_screen(), x2 - i - 1, y + i + 1, y2 - i - 2, w95_shadow);
    } else {
        rect(gui_get_screen(), x, y, x2, y2, w95_black);
        rect(gui_get_screen(), x + 1, y + 1, x2 - 1, y2 - 1, w95_shadow);
        s = 1;
    }
    rectfill(gui_get_screen(), x + i + 2, y + i + 2, x2 - i - 2, y2 - i - 2, w95_face);
    if (d->dp)
        draw_transparent_label(static_cast<const char *>(d->dp), x + d->w / 2 + s,
                               y + d->h / 2 - text_height(font) / 2 + s, w95_label_colour(d->flags), -1);
    if (d->flags & D_GOTFOCUS) w95_dotted_rect(x + 4, y + 4, x + d->w - 5, y + d->h - 5);
    return D_O_K;
}

int w95_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, w95_button_proc, PUSH_REDRAW_NOW);
}

// The label right of a check box or radio button, with the dotted focus
// rectangle around it.
static void w95_check_label(const DIALOG *d)
{
    if (!d->dp) return;
    const char *text = static_cast<const char *>(d->dp);
    const int th = text_height(font);
    const int ty = d->y + d->h / 2 - th / 2;
    const int left = d->x + w95_check_padding + w95_check_size + 1;  // where the focus rectangle starts
    draw_transparent_label(text, left + 2, ty, w95_label_colour(d->flags), 0);
    if (d->flags & D_GOTFOCUS) w95_dotted_rect(left, ty - 2, left + text_length(font, text) + 3, ty + th + 1);
}

int w95_check_proc(int msg, DIALOG *d, int c)
{
    w95_mark_press(msg, d);
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);

    const int size = w95_check_size;
    const int bx = d->x + w95_check_padding, by = d->y + d->h / 2 - size / 2;
    rectfill(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, w95_face);
    w95_field(bx, by, size, size);
    rectfill(gui_get_screen(), bx + 2, by + 2, bx + size - 3, by + size - 3, w95_held(d) ? w95_grey149 : w95_white);
    if (d->flags & D_SELECTED) draw_box_image(gui_get_screen(), w95_check_mark, bx + 2, by + 2, size - 4);
    w95_check_label(d);
    return D_O_K;
}

int w95_radio_proc(int msg, DIALOG *d, int c)
{
    w95_mark_press(msg, d);
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);

    rectfill(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, w95_face);
    BITMAP *image = w95_radio_off;
    if (d->flags & D_SELECTED) image = w95_held(d) ? w95_radio_pressed : w95_radio_on;
    // A pixel smaller than the check box, and a pixel further in.
    draw_box_image(gui_get_screen(), image, d->x + w95_check_padding + 1, d->y + d->h / 2 - (w95_check_size - 1) / 2,
                   w95_check_size - 1);
    w95_check_label(d);
    return D_O_K;
}

int w95_icon_proc(int msg, DIALOG *d, int c)
{
    w95_mark_press(msg, d);
    if (msg != MSG_DRAW) return w95_button_proc(msg, d, c);

    // Focused alone is raised, selected is sunken, neither is flat.
    const int kind = ((d->flags & D_SELECTED) ? 2 : 0) + ((d->flags & D_GOTFOCUS) ? 1 : 0);
    w95_flat(d->x, d->y, d->w, d->h, kind);
    if (d->dp) stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + 2, d->y + 2, d->w - 4, d->h - 4);
    return D_O_K;
}

int w95_window_proc(int msg, DIALOG *d, int c)
{
    (void)c;
    if (msg != MSG_DRAW) return D_O_K;

    // The title bar sits inside the bevel, however wide that is.
    const int inset = std::max(w95_bevel_width - 2, 0);
    const int x = d->x + inset, y = d->y + inset, w = d->w - 2 * inset;
    const int th = text_height(font);
    // The title bar belongs to every window, titled or not.
    const char *title = d->dp ? static_cast<const char *>(d->dp) : empty_string;
    w95_button_bevel(d->x, d->y, d->w, d->h, 0);
    const int old_mode = theme_text_mode(w95_select);
    rectfill(gui_get_screen(), x + 4, y + 4, x + w - 5, y + th + 9, w95_select);
    w95_text_clipped(x + 7, y + 7, w - 14, title, w95_white, w95_select);
    hline(gui_get_screen(), x + 3, y + 3, x + w - 5, w95_grey149);
    vline(gui_get_screen(), x + 3, y + 3, y + th + 9, w95_grey149);
    hline(gui_get_screen(), x + 3, y + th + 10, x + w - 4, w95_light);
    vline(gui_get_screen(), x + w - 4, y + 3, y + th + 9, w95_light);
    theme_text_mode(old_mode);
    return D_O_K;
}

int w95_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), w95_face);
    return D_O_K;
}
