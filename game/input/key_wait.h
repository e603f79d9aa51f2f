// Waiting for the player on the title and game-over screens.
#pragma once

// How long the wait sleeps between looks: a key is noticed well within one
// 67 ms frame, while a player reading the screen costs next to nothing.
constexpr int KEY_WAIT_REST_MS = 20;

// Returns once a key is in the keyboard buffer (the key stays there) or a
// gamepad button goes down. Needs the timer and keyboard installed.
void waitForKeyPress();

// What the title and game-over screens wait with: waitForKeyPress, unless a
// recording (which notes the key) or a replay (which presses it) stands in.
extern void (*KeyWaitSource)();
