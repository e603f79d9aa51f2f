#include "input/key_wait.h"

#include <allegro.h>

#include "input/gamepad.h"
#include "platform/end_request.h"

void waitForKeyPress()
{
    while (!keypressed() && !gamepadButtonPressed() && !endRequested()) rest(KEY_WAIT_REST_MS);
}

void (*KeyWaitSource)() = waitForKeyPress;
