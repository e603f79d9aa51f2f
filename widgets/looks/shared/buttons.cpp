#include "widgets/looks/shared/buttons.h"

int push_button_rule(int msg, DIALOG *d, int c, ThemeDialogProc button_proc, PushRedraw redraw)
{
    d->flags |= D_EXIT;
    int result = button_proc(msg, d, c);
    if (!(result & D_CLOSE)) return result;

    result &= ~D_CLOSE;
    if (redraw == PUSH_REDRAW_LATER) {
        result |= D_REDRAWME;
    } else {
        // The mouse pointer is only in the way on the visible screen.
        const bool visible = gui_get_screen() == screen;
        if (visible) scare_mouse_area(d->x, d->y, d->w, d->h);
        object_message(d, MSG_DRAW, 0);
        if (visible) unscare_mouse();
    }
    if (d->dp3) result |= reinterpret_cast<PushCallback>(d->dp3)(d);
    return result;
}
