#include "input/step_input.h"

#include <allegro.h>

#include "input/player_input.h"

StepInput readKeyboardInput()
{
    StepInput input;
    input.walk = heldArrowKeys();
    input.pause = key[KEY_SPACE] != 0;
    input.music = key[KEY_F2] != 0;
    input.quit = key[KEY_ESC] != 0;
    return input;
}

StepInput (*StepInputSource)() = readPlayerInput;
