#include "scores/dialog_idle_rest.h"

#include "process/end_request.h"

int restWhileIdleProc(int msg, DIALOG *, int)
{
    // Asked to end from outside: the dialog closes as if dismissed, the
    // score unsaved.
    if (msg == MSG_IDLE && endRequested()) return D_CLOSE;
    // Keys typed in a burst (or pasted) are taken one per loop without
    // sleeping in between.
    if (msg == MSG_IDLE && !keypressed()) rest(DIALOG_IDLE_REST_MS);
    return D_O_K;
}
