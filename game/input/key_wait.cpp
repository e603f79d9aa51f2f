#include "input/key_wait.h"

#include <allegro.h>

#include "display/desktop_keys.h"
#include "input/gamepad.h"
#include "input/key_gate.h"
#include "process/end_request.h"

bool (*WaitingScreenKeys)(int scancode) = nullptr;

void waitForKeyPress()
{
    // While the guard after a lost last life runs, no key reaches the
    // buffer and a gamepad button pressed goes unanswered too.
    for (int left = keyGuardLeftMs(); left > 0 && !endRequested(); left = keyGuardLeftMs()) {
        gamepadButtonPressed();
        serviceDesktopKeys();
        rest(left < KEY_WAIT_REST_MS ? left : KEY_WAIT_REST_MS);
    }
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
