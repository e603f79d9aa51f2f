#include "key_wait.h"

#include <allegro.h>

#include "gamepad.h"

void waitForKeyPress()
{
    while (!keypressed() && !gamepadButtonPressed()) rest(KEY_WAIT_REST_MS);
}

void (*KeyWaitSource)() = waitForKeyPress;
