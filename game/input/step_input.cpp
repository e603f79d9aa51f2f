#include "input/step_input.h"

#include <allegro.h>

#include "input/focus_pause.h"
#include "input/gamepad.h"

ArrowKeys heldArrowKeys()
{
    ArrowKeys held;
    held.right = key[KEY_RIGHT] != 0;
    held.left = key[KEY_LEFT] != 0;
    held.up = key[KEY_UP] != 0;
    held.down = key[KEY_DOWN] != 0;
    return held;
}

StepInput readKeyboardInput()
{
    StepInput input;
    input.walk = heldArrowKeys();
    input.pause = key[KEY_SPACE] != 0;
    input.music = key[KEY_F2] != 0;
    input.quit = key[KEY_ESC] != 0;
    return input;
}

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

StepInput (*StepInputSource)() = readPlayerInput;
