// What the player does in one play step: keyboard and gamepad together, and
// a pause when the window lost the focus.
#ifndef GAME_PLAYER_INPUT_H
#define GAME_PLAYER_INPUT_H

#include "input/step_input.h"

// The keyboard's controls with the first pad's added: a direction or pause
// from either counts, so the two can be mixed. Then the focus pause.
StepInput readPlayerInput();

#endif
