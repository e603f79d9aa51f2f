// The gamepad: the first stick or the d-pad walks the pirate like the
// arrow keys, the first face button or Start pauses like SPACE, and any
// button leaves the title and game-over screens like a key.
#pragma once

#include "world/player.h"

// How far a stick must lean, of Allegro's -128..128, before the pirate
// walks: a worn stick at rest reads well off zero.
constexpr int STICK_DEAD_ZONE = 48;

// Buttons that pause, counted from 0 as the Linux joystick interface does:
// the first face button (A, cross) and Start on the common pads.
constexpr int PAUSE_BUTTON_FACE = 0;
constexpr int PAUSE_BUTTON_START = 7;

struct GamepadControls {
    ArrowKeys walk;      // the stick or d-pad, one direction or two for a diagonal
    bool pause = false;  // a pause button has just gone down
};

// Installs Allegro's joystick input when a device is there. Without one
// nothing is installed and nothing is printed; the game is as without pads.
void installGamepad();

// The first pad's controls now (nothing without a pad). A pause button
// counts once per press however long it is held.
GamepadControls readGamepadControls();

// True once a button of the first pad goes down that was up when the pad
// was last read: the title and game-over screens leave on it.
bool gamepadButtonPressed();
