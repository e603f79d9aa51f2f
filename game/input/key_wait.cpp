#include "input/key_wait.h"

#include <allegro.h>

#include "input/gamepad.h"
#include "platform/desktop_keys.h"

void waitForKeyPress()
{
    while (!keypressed() && !gamepadButtonPressed()) {
        serviceDesktopKeys();
        rest(KEY_WAIT_REST_MS);
    }
}

void (*KeyWaitSource)() = waitForKeyPress;
