#include "input/gamepad.h"

#include <allegro.h>

#include "platform/gamepad_device.h"

namespace {

// Buttons down at the last reading, so that a press counts once.
bool ButtonWasDown[MAX_JOYSTICK_BUTTONS] = {};

// Reads the driver afresh; without a driver the state set by the caller
// (a test) stands.
const JOYSTICK_INFO *firstPad()
{
    if (num_joysticks < 1) return nullptr;
    poll_joystick();
    return &joy[0];
}

// A direction of one stick: analogue ones lean past the dead zone,
// digital ones (and d-pads reported so) give their flags.
void addStick(const JOYSTICK_STICK_INFO &stick, ArrowKeys &walk)
{
    if (stick.num_axis < 2) return;
    const JOYSTICK_AXIS_INFO &across = stick.axis[0];
    const JOYSTICK_AXIS_INFO &along = stick.axis[1];
    if (stick.flags & JOYFLAG_ANALOGUE) {
        walk.left |= across.pos < -STICK_DEAD_ZONE;
        walk.right |= across.pos > STICK_DEAD_ZONE;
        walk.up |= along.pos < -STICK_DEAD_ZONE;
        walk.down |= along.pos > STICK_DEAD_ZONE;
    } else {
        walk.left |= across.d1 != 0;
        walk.right |= across.d2 != 0;
        walk.up |= along.d1 != 0;
        walk.down |= along.d2 != 0;
    }
}

// Buttons that went down since the last reading; remembers the new state.
template <typename Wanted> bool newlyPressed(const JOYSTICK_INFO &pad, Wanted wanted)
{
    bool pressed = false;
    for (int b = 0; b < MAX_JOYSTICK_BUTTONS; ++b) {
        const bool down = b < pad.num_buttons && pad.button[b].b != 0;
        if (down && !ButtonWasDown[b] && wanted(b)) pressed = true;
        ButtonWasDown[b] = down;
    }
    return pressed;
}

}  // namespace

void installGamepad()
{
    if (!gamepadMayBeAttached()) return;
    // A node without a working pad behind it: go on without one, silently.
    if (install_joystick(JOY_TYPE_AUTODETECT) != 0) return;
    if (num_joysticks < 1) remove_joystick();
}

GamepadControls readGamepadControls()
{
    GamepadControls controls;
    const JOYSTICK_INFO *pad = firstPad();
    if (pad == nullptr) return controls;
    // The left stick comes first; pads list the d-pad after their sticks,
    // so the last two-axis stick is the d-pad where there is one.
    int dpad = -1;
    for (int s = 0; s < pad->num_sticks && s < MAX_JOYSTICK_STICKS; ++s)
        if (pad->stick[s].num_axis >= 2) dpad = s;
    if (pad->num_sticks > 0) addStick(pad->stick[0], controls.walk);
    if (dpad > 0) addStick(pad->stick[dpad], controls.walk);
    controls.pause = newlyPressed(*pad, [](int b) { return b == PAUSE_BUTTON_FACE || b == PAUSE_BUTTON_START; });
    return controls;
}

bool gamepadButtonPressed()
{
    const JOYSTICK_INFO *pad = firstPad();
    return pad != nullptr && newlyPressed(*pad, [](int) { return true; });
}
