#include "input/step_input.h"

#include <allegro.h>

#include "input/focus_pause.h"
#include "input/gamepad.h"
#include "input/key_bindings.h"

ArrowKeys heldArrowKeys()
{
    ArrowKeys held;
    held.right = controlDown(CONTROL_RIGHT);
    held.left = controlDown(CONTROL_LEFT);
    held.up = controlDown(CONTROL_UP);
    held.down = controlDown(CONTROL_DOWN);
    return held;
}

StepInput readKeyboardInput()
{
    StepInput input;
    input.walk = heldArrowKeys();
    input.pause = controlDown(CONTROL_PAUSE);
    input.music = controlDown(CONTROL_MUSIC);
    input.quit = key[KEY_ESC] != 0;
    input.help = key[KEY_F1] != 0;
    input.options = key[KEY_F10] != 0;
    // A tap counts for the one step that reads it.
    forgetTaps();
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
