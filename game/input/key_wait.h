// Waiting for the player on the title and game-over screens.
#pragma once

// How long the wait sleeps between looks: a key is noticed well within one
// 67 ms frame, while a player reading the screen costs next to nothing.
constexpr int KEY_WAIT_REST_MS = 20;

// Returns once a key is in the keyboard buffer (the key stays there), a
// gamepad button goes down or the game is asked to end from outside. Keys
// that WaitingScreenKeys takes are answered there and the wait goes on.
// A guard after a lost last life (input/key_gate.h) is waited out first,
// taking nothing. Needs the timer and keyboard installed.
void waitForKeyPress();

// Keys the waiting screen answers itself rather than being left by them
// (the title's F1 and F10): called with each key's scancode; true when it
// took the key. Null: every key leaves. Only the player's own wait asks it,
// so a recording never holds these keys.
extern bool (*WaitingScreenKeys)(int scancode);

// What the title and game-over screens wait with: waitForKeyPress, unless a
// recording (which notes the key) or a replay (which presses it) stands in.
extern void (*KeyWaitSource)();
