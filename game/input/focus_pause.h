// Pausing play when the window loses the input focus: a player who switches
// to another window comes back to a paused game with the music paused,
// rather than to a pirate the monsters have trapped meanwhile.
#pragma once

#include "input/step_input.h"

// Set by onFocusLost on the window-event thread, taken by the play step.
extern volatile int FocusLost;

// Allegro's display-switch callback for SWITCH_OUT: FocusLost = 1.
void onFocusLost();

// Installs onFocusLost; needs the graphics mode set.
void installFocusPause();

// Forgets focus losses seen outside play (title, game over, name dialog)
// and what an earlier game's focus pause did to the music.
void armFocusPause();

// Turns a focus loss into the presses a player would make: SPACE to pause
// and F2 to pause playing music. The SPACE that later resumes play also
// resumes the music that the focus loss paused, unless the player has
// toggled the music since. Recordings of `input` thus see plain presses.
StepInput withFocusPause(StepInput input);
