#include "widgets/core/row_clip.h"

#include <algorithm>

#include "widgets/core/clip_within.h"
#include "widgets/theme.h"
#include "widgets/core/theme_cues.h"

namespace {

const RowInMessage *innermost = nullptr;

// How far past the clipping a row is still drawn whole. Any row a dialog
// plausibly holds (partly scrolled out of a window, larger than it) lies
// within it and keeps every pixel; beyond it the looks' per-line fades and
// Allegro's per-row lists would run for minutes on a row of a billion pixels.
const long long FAR_MARGIN = 4096;

// Cuts [start, start + length) to what lies within FAR_MARGIN of [low, high].
void keep_near(int *start, int *length, int low, int high)
{
    const long long first = *start, last = first + *length - 1;
    const long long kept_first = std::max(first, low - FAR_MARGIN);
    const long long kept_last = std::min(last, high + FAR_MARGIN);
    if (kept_first == first && kept_last == last) return;
    *start = static_cast<int>(kept_first);
    *length = static_cast<int>(std::max(0LL, kept_last - kept_first + 1));
}

}  // namespace

RowInMessage::RowInMessage(const DIALOG *d) : x(d->x), y(d->y), w(d->w), h(d->h), row_(d), outer_(innermost)
{
    innermost = this;
}

RowInMessage::~RowInMessage()
{
    innermost = outer_;
}

const RowInMessage *RowInMessage::of(const DIALOG *d)
{
    for (const RowInMessage *r = innermost; r; r = r->outer_)
        if (r->row_ == d) return r;
    return nullptr;
}

int draw_within_row(ThemeDialogProc proc, RowExtent extent, DIALOG *d, int c)
{
    if ((extent == ROW_BOUNDED || extent == ROW_COLUMNS) && (d->w <= 0 || (extent == ROW_BOUNDED && d->h <= 0)))
        return D_O_K;

    // Allegro's d_clear_proc sets the clipping to the screen's size and
    // leaves it so; whatever a procedure does, the program's comes back.
    BITMAP *bmp = gui_get_screen();
    int x1, y1, x2, y2;
    get_clip_rect(bmp, &x1, &y1, &x2, &y2);
    const int clipping = get_clip_state(bmp);
    if (extent == ROW_UNBOUNDED || extent == ROW_LABEL) {
        const int result = proc(MSG_DRAW, d, c);
        set_clip_rect(bmp, x1, y1, x2, y2);
        set_clip_state(bmp, clipping);
        if (extent == ROW_LABEL && d->w > 0 && d->h > 0 && (d->flags & (D_GOTFOCUS | D_DISABLED)) &&
            theme_cues_wanted()) {
            const ClipWithin row(bmp, d->x, d->y, static_cast<int>(d->x + (d->w - 1LL)),
                                 static_cast<int>(d->y + (d->h - 1LL)));
            draw_missing_cues(proc, d, c, d->x, d->y);
        }
        set_clip_state(bmp, clipping);
        return result;
    }

    int left = d->x, top = d->y, width = d->w;
    if (const RowInMessage *given = RowInMessage::of(d)) {
        left = given->x, top = given->y, width = given->w;
    } else if (extent == ROW_COLUMNS && edit_shift_depth != 0) {
        left -= 3;
        top -= 3;
    }
    int result;
    {
        const ClipWithin row(bmp, left, extent == ROW_BOUNDED ? top : 0, static_cast<int>(left + (width - 1LL)),
                             extent == ROW_BOUNDED ? static_cast<int>(top + (d->h - 1LL)) : bmp->h - 1);
        DIALOG near = *d;
        keep_near(&near.x, &near.w, clipping ? x1 : 0, clipping ? x2 : bmp->w - 1);
        keep_near(&near.y, &near.h, clipping ? y1 : 0, clipping ? y2 : bmp->h - 1);
        const bool whole = near.x == d->x && near.w == d->w && near.y == d->y && near.h == d->h;
        DIALOG *shown = whole ? d : &near;
        result = proc(MSG_DRAW, shown, c);
        if ((shown->flags & (D_GOTFOCUS | D_DISABLED)) && theme_cues_wanted())
            draw_missing_cues(proc, shown, c, shown->x - (d->x - left), shown->y - (d->y - top));
        if (!whole) {
            near.x = d->x, near.y = d->y, near.w = d->w, near.h = d->h;
            *d = near;
        }
    }
    set_clip_rect(bmp, x1, y1, x2, y2);
    set_clip_state(bmp, clipping);
    return result;
}
