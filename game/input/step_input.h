// The controls one play step reads, gathered in one place so that a step
// can be fed from the keyboard, a recording or a gamepad alike.
#pragma once

#include "world/player.h"

struct StepInput {
    ArrowKeys walk;        // the arrows: one move each, right, left, up, down
    bool pause = false;    // SPACE: toggles Paused
    bool music = false;    // F2: pauses or resumes the music
    bool quit = false;     // ESC: ends the game
    bool help = false;     // F1: the help page, while paused (changes nothing in the world)
    bool options = false;  // F10: the options, while paused (changes nothing in the world)
};

// The walking keys of the key set as they are held now, with the short taps
// since the last step.
ArrowKeys heldArrowKeys();

// The keyboard's state now, by the key set; forgets the taps it has read.
StepInput readKeyboardInput();

// The keyboard's controls with the first pad's added: a direction or pause
// from either counts, so the two can be mixed. Then the focus pause.
StepInput readPlayerInput();

// Where the play step takes its controls from; the player's keyboard and
// gamepad (readPlayerInput) unless something else (a replay, say) has been
// put in its place.
extern StepInput (*StepInputSource)();
