// The "ASE" look: palette, primitives and every procedure except the edit
// field (edit.cpp). Icons, lists, text boxes, sliders and menus keep
// Allegro's stock look.
#include "widgets/looks/ase/look.h"

#include "widgets/style/cached_colour.h"
#include "widgets/looks/shared/push_button.h"
#include "widgets/theme.h"
#include "widgets/looks/shared/centred_title.h"
#include "widgets/core/dotted_rect.h"
#include "widgets/looks/shared/transparent_label.h"

int ase_fg_color;
int ase_bg_color;
int ase_mg_color;

// clang-format off
const LookParamDef ASE_PARAMS[ASE_PARAM_COUNT] = {
    colour_param("text",    0x000000, "outlines, labels, the window title"),
    colour_param("light",   0xFFFFFF, "top of every face, bevel light, focus dots, background"),
    colour_param("face",    0xC2C2C2, "bottom of an idle face"),
    colour_param("focus",   0xE0E0E0, "bottom of a focused face, top of an edit field"),
    colour_param("dim",     0x808080, "shadows; disabled outline, text and face"),
    colour_param("dot_dim", 0xC0C0C0, "second colour of a disabled focus rectangle"),
    size_param  ("check_size",  12, 40,   "check box and radio button"),
    pixels_param("bevel_width", 1,  1, 8, "bevel of buttons, boxes and windows, inside their outline"),
};
// clang-format on

const LookParamTable ase_param_table = look_param_table(&ase_record, ASE_PARAMS);

int ase_rgb[ASE_PARAM_COUNT];
int ase_check_size;
int ase_bevel_width = 1;

static int rgb_colour(int rgb)
{
    return cached_makecol((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int ase_colour(AseParam p)
{
    return rgb_colour(ase_rgb[p]);
}

static void ase_init(void)
{
    for (int p = 0; p < ASE_PARAM_COUNT; p++) ase_rgb[p] = look_value(ASE_PARAMS[p]);
    ase_check_size = look_size_value(ASE_PARAMS[ASE_P_CHECK_SIZE]);
    ase_bevel_width = look_value(ASE_PARAMS[ASE_P_BEVEL]);
    const int depth = gui_get_screen() ? bitmap_color_depth(gui_get_screen()) : get_color_depth();
    const int cells[] = {ase_rgb[ASE_P_TEXT], ase_rgb[ASE_P_LIGHT], ase_rgb[ASE_P_DIM]};
    int *const into[] = {&ase_fg_color, &ase_bg_color, &ase_mg_color};
    for (int i = 0; i < 3; i++) {
        const int r = (cells[i] >> 16) & 0xFF, g = (cells[i] >> 8) & 0xFF, b = cells[i] & 0xFF;
        // Palette components run from 0 to 63 in 8-bit mode.
        *into[i] = depth == 8 ? bestfit_color(_current_palette, r >> 2, g >> 2, b >> 2) : makecol(r, g, b);
    }
}

static void ase_shutdown(void)
{
    // Nothing to free: every colour but the three cells is made on use.
}

void ase_bevel_lines(int x1, int y1, int x2, int y2, int top_left, int bottom_right)
{
    hline(gui_get_screen(), x1, y1, x2 - 1, top_left);
    vline(gui_get_screen(), x1, y1 + 1, y2 - 1, top_left);
    hline(gui_get_screen(), x1, y2, x2, bottom_right);
    vline(gui_get_screen(), x2, y1, y2 - 1, bottom_right);
}

// One component (at `shift`) of a fade at row `at` of `span`. A one-row
// span has no slope: it keeps its start rather than dividing by zero.
static int fade(int top_rgb, int bottom_rgb, int shift, int at, int span)
{
    const int top = (top_rgb >> shift) & 0xFF, bottom = (bottom_rgb >> shift) & 0xFF;
    return span == 0 ? top : at * (bottom - top) / span + top;
}

void ase_gradient(int x1, int y1, int x2, int y2, int top_rgb, int bottom_rgb)
{
    const int span = y2 - y1;
    for (int y = y1; y <= y2; y++) {
        const int at = y - y1;
        hline(gui_get_screen(), x1, y, x2,
              cached_makecol(fade(top_rgb, bottom_rgb, 16, at, span), fade(top_rgb, bottom_rgb, 8, at, span),
                             fade(top_rgb, bottom_rgb, 0, at, span)));
    }
}

void ase_box(int x1, int y1, int x2, int y2, int flags)
{
    const bool pressed = (flags & D_SELECTED) != 0;
    const bool focused = (flags & D_GOTFOCUS) != 0;
    int outline, dots, level;
    if (flags & D_DISABLED) {
        outline = ase_colour(ASE_P_DIM);
        dots = ase_colour(ASE_P_DOT_DIM);
        level = ase_rgb[ASE_P_DIM];
    } else {
        outline = ase_colour(ASE_P_TEXT);
        dots = ase_colour(ASE_P_LIGHT);
        level = ase_rgb[focused ? ASE_P_FOCUS : ASE_P_FACE];
    }
    const int light = ase_colour(ASE_P_LIGHT);
    const int dark = ase_colour(ASE_P_DIM);
    const int top = ase_rgb[ASE_P_LIGHT];

    // Pressed turns bevel and fade upside down.
    rect(gui_get_screen(), x1, y1, x2, y2, outline);
    // One bevel ring per pixel of its width (one by default); rings past
    // the first stop where they would cross. The face and the focus dots
    // sit inside the last ring drawn.
    int inset = 1;
    for (int ring = 0; ring < ase_bevel_width; ++ring, ++inset) {
        const int l = x1 + 1 + ring, t = y1 + 1 + ring, r = x2 - 1 - ring, b = y2 - 1 - ring;
        if (ring > 0 && (l >= r || t >= b)) break;
        ase_bevel_lines(l, t, r, b, pressed ? dark : light, pressed ? light : dark);
    }
    ase_gradient(x1 + inset, y1 + inset, x2 - inset, y2 - inset, pressed ? level : top, pressed ? top : level);
    if (focused) {
        // The dotted rectangle follows the face when it sinks.
        const int sink = pressed ? 1 : 0;
        dotted_rect_outline(x1 + inset + sink, y1 + inset + sink, x2 - 1 - inset + sink, y2 - 1 - inset + sink, outline,
                            dots);
    }
}

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

// clang-format off
Theme ase_record = {
    "ASE",
    &ase_fg_color, &ase_bg_color, &ase_mg_color,
    ase_init, ase_shutdown,
    ase_box_proc,        // box
    ase_box_proc,        // shadow box
    ase_button_proc,     // button
    ase_push_proc,       // push button
    ase_check_proc,      // check box
    ase_radio_proc,      // radio button
    d_icon_proc,         // icon
    ase_edit_proc,       // edit field
    d_list_proc,         // list
    d_text_list_proc,    // text list
    d_textbox_proc,      // text box
    d_slider_proc,       // slider
    d_menu_proc,         // menu
    ase_window_proc,     // window
    ase_clear_proc,      // clear
    themed_text_proc,    // text
    themed_ctext_proc,   // centred text
    themed_rtext_proc,   // right-aligned text
    THEME_RESERVED_NONE,
};
// clang-format on

Theme *theme_ase = &ase_record;
