#include "input/key_wait.h"

#include <allegro.h>

#include "input/gamepad.h"
#include "platform/desktop_keys.h"
#include "platform/end_request.h"

bool (*WaitingScreenKeys)(int scancode) = nullptr;

void waitForKeyPress()
{
    for (;;) {
        while (!keypressed() && !gamepadButtonPressed() && !endRequested()) {
            serviceDesktopKeys();
            rest(KEY_WAIT_REST_MS);
        }
        if (WaitingScreenKeys == nullptr || !keypressed() || endRequested()) return;
        const int pressed = readkey();
        if (!WaitingScreenKeys(pressed >> 8)) {
            // Put back: the key stays for whatever comes next, as it would.
            simulate_keypress(pressed);
            return;
        }
    }
}

void (*KeyWaitSource)() = waitForKeyPress;
