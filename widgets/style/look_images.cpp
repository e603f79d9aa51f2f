// Widget parts drawn from a look file's images. A part with an image is
// drawn from it, nine-sliced to the widget (corners kept, edges and middle
// stretched, the mask colour transparent), with the label in the look's
// colours; everything else stays the look's own drawing.
#include "widgets/style/look_images.h"

#include "widgets/style/look_base.h"
#include "widgets/style/look_params.h"
#include "widgets/style/look_records.h"
#include "widgets/style/slider_thumb.h"

namespace {

const LookImage *images_in_force[PART_COUNT] = {};
bool any_image = false;
void (*look_menu_hook)(int, int, int, int) = nullptr;

const LookImage *usable(const LookImage *image)
{
    BITMAP *target = gui_get_screen();
    if (!image || !image->bitmap || !target) return nullptr;
    return bitmap_color_depth(image->bitmap) == bitmap_color_depth(target) ? image : nullptr;
}

void piece(const LookImage &image, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    if (sw > 0 && sh > 0 && dw > 0 && dh > 0)
        masked_stretch_blit(image.bitmap, gui_get_screen(), sx, sy, sw, sh, dx, dy, dw, dh);
}

void nine_slice(const LookImage &image, int frame, int x, int y, int w, int h)
{
    const int fw = image.bitmap->w / image.frames, fh = image.bitmap->h;
    const int sx = (frame < image.frames ? frame : 0) * fw;
    const int l = image.left, t = image.top, r = image.right, b = image.bottom;
    if (w < l + r || h < t + b) {
        piece(image, sx, 0, fw, fh, x, y, w, h);
        return;
    }
    const int mw = fw - l - r, mh = fh - t - b, dw = w - l - r, dh = h - t - b;
    piece(image, sx, 0, l, t, x, y, l, t);
    piece(image, sx + l, 0, mw, t, x + l, y, dw, t);
    piece(image, sx + fw - r, 0, r, t, x + w - r, y, r, t);
    piece(image, sx, t, l, mh, x, y + t, l, dh);
    piece(image, sx + l, t, mw, mh, x + l, y + t, dw, dh);
    piece(image, sx + fw - r, t, r, mh, x + w - r, y + t, r, dh);
    piece(image, sx, fh - b, l, b, x, y + h - b, l, b);
    piece(image, sx + l, fh - b, mw, b, x + l, y + h - b, dw, b);
    piece(image, sx + fw - r, fh - b, r, b, x + w - r, y + h - b, r, b);
}

int cell(int *Theme::*which)
{
    const int *c = look_resolved.*which;
    return c ? *c : 0;
}

int label_colour(const DIALOG *d)
{
    return cell((d->flags & D_DISABLED) ? &Theme::mg_color : &Theme::fg_color);
}

void label(const DIALOG *d, int x, int y, int centre)
{
    if (!d->dp) return;
    gui_textout_ex(gui_get_screen(), static_cast<const char *>(d->dp), x, y, label_colour(d), -1, centre);
}

void draw_face(const LookImage &face, DIALOG *d)
{
    int frame = 0;
    if (d->flags & D_DISABLED)
        frame = 3;
    else if (d->flags & D_SELECTED)
        frame = 1;
    else if (d->flags & D_GOTFOCUS)
        frame = 2;
    nine_slice(face, frame, d->x, d->y, d->w, d->h);
    const int s = (d->flags & D_SELECTED) ? 1 : 0;
    label(d, d->x + d->w / 2 + s, d->y + d->h / 2 - text_height(font) / 2 + s, -1);
}

void draw_box_part(const LookImage &box, DIALOG *d)
{
    const int side = text_height(font) + 4;
    rectfill(gui_get_screen(), d->x, d->y, d->x + d->w - 1, d->y + d->h - 1, cell(&Theme::bg_color));
    nine_slice(box, (d->flags & D_SELECTED) ? 1 : 0, d->x + 2, d->y + d->h / 2 - side / 2, side, side);
    const int tx = d->x + side + 6, ty = d->y + d->h / 2 - text_height(font) / 2;
    label(d, tx, ty, 0);
    if ((d->flags & D_GOTFOCUS) && d->dp)
        rect(gui_get_screen(), tx - 2, ty - 2, tx + gui_strlen(static_cast<const char *>(d->dp)) + 1,
             ty + text_height(font) + 1, cell(&Theme::fg_color));
}

void draw_window(const LookImage *frame, const LookImage *title, ThemeDialogProc look_proc, DIALOG *d, int c)
{
    if (frame)
        nine_slice(*frame, 0, d->x, d->y, d->w, d->h);
    else
        look_proc(MSG_DRAW, d, c);
    const int inset = frame ? frame->top : 4;
    const int band = text_height(font) + 8;
    if (title) nine_slice(*title, 0, d->x + inset, d->y + inset, d->w - 2 * inset, band);
    if (d->dp)
        gui_textout_ex(gui_get_screen(), static_cast<const char *>(d->dp), d->x + d->w / 2, d->y + inset + 4,
                       cell(&Theme::fg_color), -1, TRUE);
}

void draw_menu_from_image(int x, int y, int w, int h)
{
    if (look_menu_hook) look_menu_hook(x, y, w, h);
    if (const LookImage *menu = usable(images_in_force[PART_MENU])) nine_slice(*menu, 0, x, y, w, h);
}

// The look's own menu hook back in place of the image drawing over it.
void unwrap_menu_hook(void)
{
    if (gui_menu_draw_menu == draw_menu_from_image) gui_menu_draw_menu = look_menu_hook;
    look_menu_hook = nullptr;
}

}  // namespace

void drop_images_in_force(void)
{
    any_image = false;
    for (auto &image : images_in_force) image = nullptr;
    unwrap_menu_hook();
}

void find_images_in_force(void)
{
    any_image = false;
    for (int part = 0; part < PART_COUNT; ++part) {
        images_in_force[part] = nullptr;
        const Theme *look = look_in_force;
        for (int depth = 0; look && depth < LOOK_CHAIN_MAX; ++depth) {
            const LookRecord *record = find_look_record(look);
            if (!record) break;
            if (record->images[part].bitmap) {
                images_in_force[part] = &record->images[part];
                any_image = true;
                break;
            }
            look = record->base;
        }
    }
    // The look's init has just set its menu hooks: the menu image goes
    // under the look's own menu frame. Without a menu image (a look ended
    // whose shutdown left the hook alone) the hook it had comes back.
    if (!images_in_force[PART_MENU]) {
        unwrap_menu_hook();
    } else if (gui_menu_draw_menu != draw_menu_from_image) {
        look_menu_hook = gui_menu_draw_menu;
        gui_menu_draw_menu = draw_menu_from_image;
    }
}

bool draw_from_images(ImageWidget widget, ThemeDialogProc look_proc, DIALOG *d, int c)
{
    if (!any_image) return false;
    const LookImage *frame = usable(images_in_force[PART_FRAME]);
    switch (widget) {
    case IMAGE_NONE:
        return false;
    case IMAGE_BOX:
        if (!frame) return false;
        nine_slice(*frame, 0, d->x, d->y, d->w, d->h);
        return true;
    case IMAGE_WINDOW: {
        const LookImage *title = usable(images_in_force[PART_TITLE]);
        if (!frame && !title) return false;
        draw_window(frame, title, look_proc, d, c);
        return true;
    }
    case IMAGE_BUTTON: {
        const LookImage *face = usable(images_in_force[PART_FACE]);
        if (!face) return false;
        draw_face(*face, d);
        return true;
    }
    case IMAGE_CHECK:
    case IMAGE_RADIO: {
        const LookImage *box = usable(images_in_force[widget == IMAGE_CHECK ? PART_CHECK : PART_RADIO]);
        if (!box) return false;
        draw_box_part(*box, d);
        return true;
    }
    case IMAGE_SLIDER: {
        const LookImage *thumb = usable(images_in_force[PART_THUMB]);
        if (!thumb) return false;
        look_proc(MSG_DRAW, d, c);
        const SliderThumbRect at = slider_thumb_rect(d);
        nine_slice(*thumb, 0, at.x, at.y, at.w, at.h);
        return true;
    }
    }
    return false;
}
