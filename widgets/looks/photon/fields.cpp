// The "Photon" look's edit field and slider. They draw on MSG_DRAW and
// leave editing and dragging to Allegro's stock procedures.
#include "widgets/looks/photon/look.h"

namespace {

// Tick dots sit one every `step` pixels; a slider under 15 pixels long has
// no room for any.
struct Ticks {
    int count, step;
};

Ticks slider_ticks(int len)
{
    const int count = len / 15;
    return {count, count > 0 ? len / count : 0};
}

}  // namespace

int photon_edit_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return shifted_edit_proc(msg, d, c);

    edit_draw_unshift(d);
    const int th = text_height(font);
    const int r = d->x + d->w - 1;
    const bool focused = d->flags & D_GOTFOCUS;
    const EditSpan span = edit_visible_span(d);

    // A light sunken panel th+8 high, with a shaded inner top and left edge.
    photon_panel(gui_get_screen(), d->x, d->y, d->w, th + 8, photon_colour(PH_FIELD), 2);
    hline(gui_get_screen(), d->x + 2, d->y + 2, r - 2, photon_colour(PH_FIELD_SHADE));
    vline(gui_get_screen(), d->x + 2, d->y + 2, d->y + th + 5, photon_colour(PH_FIELD_SHADE));

    EditTextStyle style;
    style.fg = photon_colour((d->flags & D_DISABLED) ? PH_DISABLED : PH_BLACK);
    style.bg = photon_colour(PH_FIELD);
    style.show_caret = focused;  // the caret does not blink
    style.caret_colour = photon_colour(PH_BLACK);
    style.caret_bottom = th + 5;
    edit_draw_chars(d, span, style);

    if (focused) hline(gui_get_screen(), d->x + 4, d->y + th + 4, r - 4, photon_colour(PH_FOCUS_BLUE));
    edit_draw_reshift(d);
    return D_O_K;
}

int photon_slider_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_slider_proc(msg, d, c);

    const int x = d->x, y = d->y, w = d->w, h = d->h;
    const int r = x + w - 1, b = y + h - 1;
    const bool vertical = h >= w;
    const int len = vertical ? h - 2 : w - 2;
    const Ticks ticks = slider_ticks(len);
    const int pos = slider_thumb_pos(len - 13, d->d1, d->d2) + 1;
    const int mx = x + w / 2, my = y + h / 2;

    // clang-format off
    // The groove, five lines from its outer edge to its lit edge.
    const PhotonColour GROOVE[5] = {
        PH_CHECK_HINT, PH_GROOVE_MID, PH_GROOVE_DARK, PH_ETCH_DARK, PH_GRIP_LIGHT,
    };
    // clang-format on
    const int cap = photon_colour(PH_GROOVE_MID);

    rectfill(gui_get_screen(), x, y, r, b, photon_colour(PH_FACE));
    if (vertical) {
        for (int i = 0; i < 5; i++) vline(gui_get_screen(), mx - 3 + i, y + 1, b - 1, photon_colour(GROOVE[i]));
        hline(gui_get_screen(), mx - 1, y, mx, cap);
        hline(gui_get_screen(), mx - 1, b, mx, cap);
        for (int i = 0; i < ticks.count; i++) photon_grip_dot(gui_get_screen(), r - 2, y + 1 + i * ticks.step);
        if (ticks.count > 0) photon_grip_dot(gui_get_screen(), r - 2, b - 1);
        photon_knob(gui_get_screen(), x, y + h - 13 - pos, w, 13, 1);
    } else {
        for (int i = 0; i < 5; i++) hline(gui_get_screen(), x + 1, my - 3 + i, r - 1, photon_colour(GROOVE[i]));
        vline(gui_get_screen(), x, my - 1, my, cap);
        vline(gui_get_screen(), r, my - 1, my, cap);
        for (int i = 0; i < ticks.count; i++) photon_grip_dot(gui_get_screen(), x + 1 + i * ticks.step, b - 2);
        if (ticks.count > 0) photon_grip_dot(gui_get_screen(), r - 1, b - 2);
        photon_knob(gui_get_screen(), x + pos, y, 13, h, 0);
    }
    return D_O_K;
}
