// beos_draw_widget: every frame, face and image of the look, by kind (the
// faces of buttons, check boxes and radio buttons are in buttons.cpp). The
// slot procedures only choose the kind and the rectangle.
#include "widgets/looks/beos/look.h"

namespace {

const BeosPalette &pal = beos_colours;

// draw_sprite for an image that init may have failed to create.
void sprite_if_any(BITMAP *bmp, BITMAP *sprite, int x, int y)
{
    if (sprite) draw_sprite(bmp, sprite, x, y);
}

void draw_scroll_thumb(BITMAP *bmp, int x, int y, int w, int h, int flags)
{
    int set = BEOS_SCROLL_NORMAL;
    if (flags & D_GOTFOCUS) set = BEOS_SCROLL_FOCUS;
    if (flags & D_DISABLED) set = BEOS_SCROLL_DISABLED;
    const int *s = pal.scroll[set];
    const int R = x + w - 1, B = y + h - 1;

    hline(bmp, x, y, R - 2, s[0]);
    vline(bmp, x, y + 1, B - 2, s[0]);
    rectfill(bmp, x + 1, y + 1, R - 1, B - 1, s[1]);
    putpixel(bmp, R - 1, y, s[1]);
    putpixel(bmp, x, B - 1, s[1]);
    hline(bmp, x, B, R, s[3]);
    vline(bmp, R, y, B - 1, s[3]);

    // Up to three raised grip bumps, only where they fit inside the thumb.
    const int cx = x + w / 2;
    for (int i = 0; i < 3; ++i) {
        const int cy = y + h / 2 + 8 * i;
        if (cy - 10 < y + 2 || cy - 6 >= y + h - 2) continue;
        hline(bmp, cx - 2, cy - 10, cx + 1, s[0]);
        vline(bmp, cx - 2, cy - 9, cy - 7, s[0]);
        hline(bmp, cx - 2, cy - 6, cx + 2, s[3]);
        vline(bmp, cx + 2, cy - 10, cy - 7, s[3]);
        rectfill(bmp, cx - 1, cy - 9, cx + 1, cy - 7, s[1]);
    }
}

void draw_scroll_trough(BITMAP *bmp, int x, int y, int w, int h, int flags)
{
    const int *s = pal.scroll[(flags & D_DISABLED) ? BEOS_SCROLL_DISABLED : BEOS_SCROLL_NORMAL];
    const int R = x + w - 1, B = y + h - 1;
    hline(bmp, x, y, R - 1, s[3]);
    hline(bmp, x, y + 1, R - 1, s[3]);
    vline(bmp, x, y + 2, B, s[3]);
    vline(bmp, x + 1, y + 2, B, s[3]);
    rectfill(bmp, x + 2, y + 2, R - 1, B, s[2]);
    vline(bmp, R, y, B, s[1]);
}

void draw_list(BITMAP *bmp, int x, int y, int w, int h, int flags, const ScrollInfo *scroll)
{
    const int *s = pal.list[(flags & D_GOTFOCUS) ? BEOS_STATE_MARKED : BEOS_STATE_PLAIN];
    const int R = x + w - 1, B = y + h - 1;
    rect(bmp, x, y, R, B, s[0]);
    rect(bmp, x + 1, y + 1, R - 2, B - 2, s[1]);
    vline(bmp, R - 1, y + 1, B - 2, s[2]);
    hline(bmp, x + 1, B - 1, R - 1, s[2]);

    if (!scroll || scroll->total <= scroll->visible) return;

    // Thumb rows [top, bottom] within the bar's travel L, the end rounded up.
    const int L = h - 6;
    const int off = scroll->offset < 0 ? 0 : scroll->offset;
    const int total = scroll->total;
    const int top = L * off / total;
    const int bottom = (total + L * (scroll->visible + off) - 1) / total;

    vline(bmp, R - 12, y + 2, B - 3, pal.outline);
    draw_scroll_trough(bmp, R - 11, y + 2, 9, h - 5, flags);
    draw_scroll_thumb(bmp, R - 11, y + 2 + top, 9, bottom - top + 1, flags);
    if (bottom + 1 < L) hline(bmp, R - 11, y + 3 + bottom, R - 3, pal.outline);
}

void draw_slider(BITMAP *bmp, int x, int y, int w, int h, int flags, const ScrollInfo *scroll)
{
    const int *s = pal.slider[(flags & D_DISABLED) ? BEOS_STATE_MARKED : BEOS_STATE_PLAIN];
    const int R = x + w - 1, B = y + h - 1;
    const bool vertical = h > w;
    const bool knob = scroll && scroll->total > scroll->visible;
    BITMAP *knob_image = beos_knob_bitmaps[(flags & D_GOTFOCUS) ? 1 : 0];

    if (vertical) {
        const int gx = x + (w - 6) / 2;
        rectfill(bmp, x, y, gx - 1, B, pal.bg);
        rectfill(bmp, gx + 6, y, R, B, pal.bg);
        // Tick marks every 20 rows, counted up from the bottom.
        for (int ty = B - 1; ty >= y; ty -= 20) {
            hline(bmp, x, ty, gx - 1, s[0]);
            hline(bmp, gx + 6, ty, R, s[0]);
            hline(bmp, x, ty + 1, gx - 1, s[1]);
            hline(bmp, gx + 6, ty + 1, R, s[1]);
        }
        hline(bmp, gx, y, gx + 5, s[0]);
        vline(bmp, gx, y + 1, B, s[0]);
        hline(bmp, gx + 1, B, gx + 5, s[1]);
        vline(bmp, gx + 5, y + 1, B - 1, s[1]);
        if (!knob) return;
        const int value = scroll->offset < 0 ? 0 : scroll->offset;
        const int l = (h - 12) * value / scroll->total;
        rectfill(bmp, gx + 1, y + h - l - 6, gx + 4, B - 1, s[3]);
        rectfill(bmp, gx + 1, y + 1, gx + 4, y + h - l - 7, s[4]);
        sprite_if_any(bmp, knob_image, x + (w - 13) / 2, y + h - l - 12);
    } else {
        const int gy = y + (h - 6) / 2;
        rectfill(bmp, x, y, R, gy - 1, pal.bg);
        rectfill(bmp, x, gy + 6, R, B, pal.bg);
        // Tick marks every 20 columns, counted from the left.
        for (int tx = x + 1; tx < x + w; tx += 20) {
            vline(bmp, tx - 1, y, gy - 1, s[0]);
            vline(bmp, tx - 1, gy + 6, B, s[0]);
            vline(bmp, tx, y, gy - 1, s[1]);
            vline(bmp, tx, gy + 6, B, s[1]);
        }
        hline(bmp, x, gy, R, s[0]);
        vline(bmp, x, gy + 1, gy + 5, s[0]);
        hline(bmp, x + 1, gy + 5, R, s[1]);
        vline(bmp, R, gy + 1, gy + 4, s[1]);
        if (!knob) return;
        const int value = scroll->offset < 0 ? 0 : scroll->offset;
        const int l = (w - 12) * value / scroll->total;
        rectfill(bmp, x + 1, gy + 1, x + l + 6, gy + 4, s[3]);
        rectfill(bmp, x + l + 7, gy + 1, R - 1, gy + 4, s[4]);
        sprite_if_any(bmp, knob_image, x + l, y + (h - 13) / 2);
    }
}

// Pop-up menus and the menu bar share the light top/left and the shadowed
// bottom/right; the bar is lighter outlined and filled.
void draw_menu(BITMAP *bmp, int x, int y, int w, int h, bool bar)
{
    const int R = x + w - 1, B = y + h - 1;
    rect(bmp, x, y, R, B, bar ? pal.menu_bar_outline : pal.menu_outline);
    hline(bmp, x + 1, y + 1, R - 2, pal.menu_light);
    vline(bmp, x + 1, y + 2, B - 1, pal.menu_light);
    if (bar) rectfill(bmp, x + 2, y + 2, R - 2, B - 2, pal.menu_face);
    hline(bmp, x + 1, B - 1, R - 1, pal.menu_shadow);
    vline(bmp, R - 1, y, B - 2, pal.menu_shadow);
}

void draw_edit(BITMAP *bmp, int x, int y, int w, int h, int flags)
{
    const int *s = pal.edit[(flags & D_GOTFOCUS) ? BEOS_STATE_MARKED : BEOS_STATE_PLAIN];
    const int R = x + w - 1, B = y + h - 1;
    hline(bmp, x, y, R, s[0]);
    vline(bmp, x, y + 1, B, s[0]);
    hline(bmp, x + 1, B, R, s[4]);
    vline(bmp, R, y + 1, B - 1, s[4]);
    hline(bmp, x + 1, y + 1, R - 1, s[1]);
    vline(bmp, x + 1, y + 2, B - 1, s[1]);
    hline(bmp, x + 2, B - 1, R - 1, s[3]);
    vline(bmp, R - 1, y + 2, B - 2, s[3]);
}

void draw_window(BITMAP *bmp, int x, int y, int w, int h, const char *label)
{
    const int R = x + w - 1, B = y + h - 1;
    const int T = y + text_height(font) + 6;  // first row below the tab
    const int tw = label ? text_length(font, label) + 16 : 16;
    const int TR = x + tw - 1;

    hline(bmp, x, y, TR, pal.tab_outline);
    vline(bmp, x, y, B - 1, pal.tab_outline);
    hline(bmp, x, B, R, pal.frame_dark);
    vline(bmp, TR, y + 1, T - 1, pal.frame_dark);
    hline(bmp, TR + 1, T - 1, R - 1, pal.tab_outline);
    vline(bmp, R, T - 1, B - 1, pal.frame_dark);

    // The yellow title tab.
    hline(bmp, x + 1, y + 1, TR - 1, pal.tab_light);
    vline(bmp, x + 1, y + 2, T - 1, pal.tab_light);
    vline(bmp, TR - 1, y + 2, T - 1, pal.tab_shadow);
    rectfill(bmp, x + 2, y + 2, TR - 2, T - 1, pal.tab_face);
    if (label) textout_ex(bmp, font, label, x + 6, y + 4, pal.fg, -1);

    // The body below it.
    vline(bmp, x + 1, T, B - 2, pal.body_light);
    hline(bmp, TR - 1, T, R - 2, pal.body_light);
    hline(bmp, x + 2, T, TR - 2, pal.body_face);
    hline(bmp, x + 1, B - 1, R - 1, pal.body_shadow);
    vline(bmp, R - 1, T, B - 2, pal.body_light);
    rectfill(bmp, x + 2, T + 1, R - 2, B - 2, pal.body_face);
}

}  // namespace

void beos_draw_widget(BITMAP *bmp, int x, int y, int w, int h, int flags, int kind, const void *extra)
{
    const char *label = static_cast<const char *>(extra);
    const ScrollInfo *scroll = static_cast<const ScrollInfo *>(extra);
    switch (kind) {
    case BEOS_BUTTON:
        beos_draw_button(bmp, x, y, w, h, flags, label);
        break;
    case BEOS_CHECK:
        beos_draw_toggle(bmp, x, y, w, h, flags, label, beos_check_bitmaps);
        break;
    case BEOS_RADIO:
        beos_draw_toggle(bmp, x, y, w, h, flags, label, beos_radio_bitmaps);
        break;
    case BEOS_LIST:
        draw_list(bmp, x, y, w, h, flags, scroll);
        break;
    case BEOS_SCROLL_THUMB:
        draw_scroll_thumb(bmp, x, y, w, h, flags);
        break;
    case BEOS_SCROLL_TROUGH:
        draw_scroll_trough(bmp, x, y, w, h, flags);
        break;
    case BEOS_SLIDER:
        draw_slider(bmp, x, y, w, h, flags, scroll);
        break;
    case BEOS_MENU:
        draw_menu(bmp, x, y, w, h, false);
        break;
    case BEOS_EDIT:
        draw_edit(bmp, x, y, w, h, flags);
        break;
    case BEOS_MENU_BAR:
        draw_menu(bmp, x, y, w, h, true);
        break;
    case BEOS_WINDOW:
        draw_window(bmp, x, y, w, h, label);
        break;
    default:
        break;  // unknown kinds draw nothing
    }
}
