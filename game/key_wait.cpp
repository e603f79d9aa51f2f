#include "key_wait.h"

#include <allegro.h>

void waitForKeyPress()
{
    while (!keypressed())
        rest(KEY_WAIT_REST_MS);
}

void (*KeyWaitSource)() = waitForKeyPress;
