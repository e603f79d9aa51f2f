// The controls one play step reads, gathered in one place so that a step
// can be fed from the keyboard, a recording or a gamepad alike.
#ifndef GAME_STEP_INPUT_H
#define GAME_STEP_INPUT_H

#include "world/player.h"

struct StepInput {
    ArrowKeys walk;      // the arrows: one move each, right, left, up, down
    bool pause = false;  // SPACE: toggles Paused
    bool music = false;  // F2: pauses or resumes the music
    bool quit = false;   // ESC: ends the game
};

// The keyboard's state now.
StepInput readKeyboardInput();

// Where the play step takes its controls from; the player's keyboard and
// gamepad (readPlayerInput) unless something else (a replay, say) has been
// put in its place.
extern StepInput (*StepInputSource)();

#endif
