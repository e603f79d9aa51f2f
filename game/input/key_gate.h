// Waiting screens (the title, the game over and its name dialog, the help
// page) answer only keys pressed after they appear. Arrows still tapped as
// the last life goes, or a key held from the screen before, repeating,
// would otherwise skip the game over and the title and start a new game
// before the player has seen either.
#pragma once

// After the last life is lost, how long the game-over screen and the name
// dialog shown with it take no key at all: a player who was tapping arrows
// to escape the trap needs about this long to see that the game is over.
constexpr int GAME_OVER_KEY_GUARD_MS = 500;

// Hooks the keyboard; needs it installed. The low-level and buffer
// callbacks already in place are kept and called first.
void installKeyGate();

// A waiting screen has just appeared: the keyboard buffer is emptied, and
// from now on no key that went down before this moment, or within
// `guardMs` of it, enters the buffer, however long it is held and repeats.
// A guard still running from an earlier call is kept. Keys that no one
// holds on the keyboard (a replay's, a test's) always enter.
void answerKeysPressedFromNow(int guardMs = 0);

// Play begins: every key enters the buffer again.
void answerEveryKey();

// Milliseconds left of the guard, 0 when none runs.
int keyGuardLeftMs();
