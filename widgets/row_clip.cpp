#include "widgets/row_clip.h"

#include "widgets/theme.h"

int draw_within_row(ThemeDialogProc proc, RowExtent extent, DIALOG *d, int c)
{
    if (extent != ROW_UNBOUNDED && (d->w <= 0 || (extent == ROW_BOUNDED && d->h <= 0))) return D_O_K;

    // Allegro's d_clear_proc sets the clipping to the screen's size and
    // leaves it so; whatever a procedure does, the program's comes back.
    BITMAP *bmp = gui_get_screen();
    int x1, y1, x2, y2;
    get_clip_rect(bmp, &x1, &y1, &x2, &y2);
    const int clipping = get_clip_state(bmp);
    if (extent != ROW_UNBOUNDED) {
        const int shift = (extent == ROW_COLUMNS && edit_shift_depth != 0) ? 3 : 0;
        const int left = d->x - shift;
        const int right = left + d->w - 1;
        if (!clipping) set_clip_rect(bmp, 0, 0, bmp->w - 1, bmp->h - 1);
        if (extent == ROW_BOUNDED)
            add_clip_rect(bmp, left, d->y, right, d->y + d->h - 1);
        else
            add_clip_rect(bmp, left, 0, right, bmp->h - 1);
        set_clip_state(bmp, TRUE);
    }
    const int result = proc(MSG_DRAW, d, c);
    set_clip_rect(bmp, x1, y1, x2, y2);
    set_clip_state(bmp, clipping);
    return result;
}
