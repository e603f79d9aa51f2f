// Allegro's d_edit_proc places its text at the row's corner; the drawn looks
// put theirs 3 pixels in, inside a frame. Running d_edit_proc on a row moved
// by (3, 3) makes its caret-by-mouse and scrolling match what is drawn, and
// the depth count lets the look's MSG_DRAW (which d_edit_proc sends back to
// the row's own procedure after each edit) undo the move while it draws.
#include "widgets/theme.h"

int edit_shift_depth = 0;

// d: as for d_edit_proc (d1 length limit, d2 caret, dp text).
int shifted_edit_proc(int msg, DIALOG *d, int c)
{
    d->x += 3;
    d->y += 3;
    ++edit_shift_depth;
    int result = d_edit_proc(msg, d, c);
    --edit_shift_depth;
    d->x -= 3;
    d->y -= 3;
    return result;
}

void edit_draw_unshift(DIALOG *d)
{
    if (edit_shift_depth != 0) {
        d->x -= 3;
        d->y -= 3;
    }
}

void edit_draw_reshift(DIALOG *d)
{
    if (edit_shift_depth != 0) {
        d->x += 3;
        d->y += 3;
    }
}
