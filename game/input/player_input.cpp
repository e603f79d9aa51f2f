#include "input/player_input.h"

#include "input/focus_pause.h"
#include "input/gamepad.h"

StepInput readPlayerInput()
{
    StepInput input = readKeyboardInput();
    const GamepadControls pad = readGamepadControls();
    input.walk.right |= pad.walk.right;
    input.walk.left |= pad.walk.left;
    input.walk.up |= pad.walk.up;
    input.walk.down |= pad.walk.down;
    input.pause |= pad.pause;
    return withFocusPause(input);
}
