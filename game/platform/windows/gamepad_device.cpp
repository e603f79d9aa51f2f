// The Windows side of platform/gamepad_device.h: the multimedia joystick
// interface lists every game controller, XInput pads among them, and
// answers at once, where DirectInput (Allegro's first joystick driver)
// enumerates every input device to find them.
#include "platform/gamepad_device.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

bool gamepadMayBeAttached()
{
    const UINT slots = joyGetNumDevs();
    for (UINT id = 0; id < slots; ++id) {
        JOYINFOEX state{};
        state.dwSize = sizeof state;
        state.dwFlags = JOY_RETURNALL;
        // Slots without a controller say JOYERR_UNPLUGGED.
        if (joyGetPosEx(id, &state) == JOYERR_NOERROR) return true;
    }
    return false;
}
