#include "input/key_wait.h"

#include <allegro.h>

#include "input/gamepad.h"

bool (*WaitingScreenKeys)(int scancode) = nullptr;

void waitForKeyPress()
{
    for (;;) {
        while (!keypressed() && !gamepadButtonPressed()) rest(KEY_WAIT_REST_MS);
        if (WaitingScreenKeys == nullptr || !keypressed()) return;
        const int pressed = readkey();
        if (!WaitingScreenKeys(pressed >> 8)) {
            // Put back: the key stays for whatever comes next, as it would.
            simulate_keypress(pressed);
            return;
        }
    }
}

void (*KeyWaitSource)() = waitForKeyPress;
