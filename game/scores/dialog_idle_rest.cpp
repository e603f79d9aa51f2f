#include "scores/dialog_idle_rest.h"

int restWhileIdleProc(int msg, DIALOG *, int)
{
    // Keys typed in a burst (or pasted) are taken one per loop without
    // sleeping in between.
    if (msg == MSG_IDLE && !keypressed()) rest(DIALOG_IDLE_REST_MS);
    return D_O_K;
}
