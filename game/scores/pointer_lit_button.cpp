#include "scores/pointer_lit_button.h"

#include "widgets/theme.h"

int pointerLitButtonProc(int msg, DIALOG *row, int c)
{
    // The pointer came or went: the light follows it.
    if (msg == MSG_GOTMOUSE || msg == MSG_LOSTMOUSE) {
        object_message(row, MSG_DRAW, 0);
        return D_O_K;
    }
    if (msg != MSG_DRAW || (row->flags & D_GOTMOUSE) == 0 || (row->flags & D_GOTFOCUS) != 0)
        return theme_push_proc(msg, row, c);
    // Drawn as focused for this one picture only: the dialog engine still
    // knows the name box as the one with the focus.
    row->flags |= D_GOTFOCUS;
    const int result = theme_push_proc(msg, row, c);
    row->flags &= ~D_GOTFOCUS;
    return result;
}
