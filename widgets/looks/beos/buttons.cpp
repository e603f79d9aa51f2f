// The "BeOS" look's box, buttons, check boxes, radio buttons, icon, window
// and clear procedures (nothing but a kind and a rectangle for
// beos_draw_widget), and the faces beos_draw_widget draws for buttons, check
// boxes and radio buttons.
#include "widgets/looks/beos/look.h"

namespace {

const BeosPalette &pal = beos_colours;

}  // namespace

void beos_draw_button(BITMAP *bmp, int x, int y, int w, int h, int flags, const char *label)
{
    // Pressed wins over disabled, which wins over focus.
    int set = BEOS_SET_NORMAL;
    if (flags & D_GOTFOCUS) set = BEOS_SET_FOCUS;
    if (flags & D_DISABLED) set = BEOS_SET_DISABLED;
    if (flags & D_SELECTED) set = (flags & D_DISABLED) ? BEOS_SET_PRESSED_DISABLED : BEOS_SET_PRESSED;
    const int *s = pal.button[set];
    const int R = x + w - 1, B = y + h - 1;

    // Inside the outline: a line of face, then the light and the inner
    // light on the upper left, the shadow and the inner shadow on the lower
    // right. A wider bevel repeats the inner lines inward; rings past the
    // stock ones stop at the button's middle.
    const int n = beos_bevel_width;
    const int side = w < h ? w : h;
    for (int i = 1; i <= n + 1 && (i <= 3 || 2 * i < side); ++i) {
        const int colour = i == 1 ? s[2] : i == 2 ? s[0] : s[1];
        hline(bmp, x + i, y + i, R - i, colour);
        vline(bmp, x + i, y + i + 1, B - i, colour);
    }
    if (n <= 2 || (w > 2 * n + 3 && h > 2 * n + 3)) rectfill(bmp, x + n + 2, y + n + 2, R - n - 1, B - n - 1, s[2]);
    for (int i = n; i >= 1; --i) {
        if (i > 2 && 2 * i >= side) continue;
        const int colour = i == 1 ? s[4] : s[3];
        hline(bmp, x + i + 1, B - i, R - i, colour);
        vline(bmp, R - i, y + i + 1, B - i - 1, colour);
    }

    // Dark outline with its corners knocked off.
    hline(bmp, x + 1, y, R - 1, pal.outline);
    vline(bmp, x, y + 1, B - 1, pal.outline);
    hline(bmp, x + 1, B, R - 1, pal.outline);
    vline(bmp, R, y + 1, B - 1, pal.outline);
    putpixel(bmp, x, y, pal.button_corner);
    putpixel(bmp, R, y, pal.button_corner);
    putpixel(bmp, x, B, pal.button_corner);
    putpixel(bmp, R, B, pal.button_corner);

    if (label) {
        const int th = text_height(font);
        gui_textout_ex(bmp, label, x + w / 2, y + h / 2 - th / 2, pal.button_label[set], -1, 1);
    }
}

// Check boxes and radio buttons: an image chosen by state, then the label.
void beos_draw_toggle(BITMAP *bmp, int x, int y, int w, int h, int flags, const char *label, BITMAP *const images[6])
{
    rectfill(bmp, x, y, x + w - 1, y + h - 1, pal.check_background);
    int index = ((flags & D_SELECTED) ? 1 : 0) + ((flags & D_GOTFOCUS) ? 2 : 0);
    if (flags & D_DISABLED) index = 4 + ((flags & D_SELECTED) ? 1 : 0);
    const int th = text_height(font);
    const int size = beos_check_size;
    draw_box_image(bmp, images[index], x + 2, y + h / 2 - size / 2, size);
    if (label) {
        const int colour = (flags & D_DISABLED) ? pal.mg : pal.fg;
        gui_textout_ex(bmp, label, x + size + 7, y + h / 2 - th / 2, colour, -1, 0);
    }
}

// --- Slot procedures -----------------------------------------------------------

static void draw_row(const DIALOG *d, int kind, const void *extra)
{
    beos_draw_widget(gui_get_screen(), d->x, d->y, d->w, d->h, d->flags, kind, extra);
}

// Boxes are plain button faces and take part in nothing.
int beos_box_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) draw_row(d, BEOS_BUTTON, nullptr);
    return D_O_K;
}

int beos_shadow_box_proc(int msg, DIALOG *d, int c)
{
    return beos_box_proc(msg, d, c);
}

int beos_button_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    draw_row(d, BEOS_BUTTON, d->dp);
    return D_O_K;
}

int beos_push_proc(int msg, DIALOG *d, int c)
{
    return push_button_rule(msg, d, c, beos_button_proc, PUSH_REDRAW_NOW);
}

int beos_check_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_button_proc(msg, d, c);
    draw_row(d, BEOS_CHECK, d->dp);
    return D_O_K;
}

int beos_radio_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_radio_proc(msg, d, c);
    draw_row(d, BEOS_RADIO, d->dp);
    return D_O_K;
}

int beos_icon_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return beos_button_proc(msg, d, c);
    draw_row(d, BEOS_BUTTON, nullptr);
    // An icon row without its picture still shows the face.
    if (d->dp) stretch_sprite(gui_get_screen(), static_cast<BITMAP *>(d->dp), d->x + 2, d->y + 2, d->w - 4, d->h - 4);
    return D_O_K;
}

int beos_window_proc(int msg, DIALOG *d, int)
{
    if (msg == MSG_DRAW) draw_row(d, BEOS_WINDOW, d->dp);
    return D_O_K;
}

int beos_clear_proc(int msg, DIALOG *d, int c)
{
    if (msg != MSG_DRAW) return d_clear_proc(msg, d, c);
    clear_to_color(gui_get_screen(), beos_colours.bg);
    return D_O_K;
}
