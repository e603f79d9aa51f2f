#include "input/key_wait.h"

#include <allegro.h>

#include "input/gamepad.h"

void waitForKeyPress()
{
    while (!keypressed() && !gamepadButtonPressed()) rest(KEY_WAIT_REST_MS);
}

void (*KeyWaitSource)() = waitForKeyPress;
