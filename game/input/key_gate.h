// Waiting screens (the title, the game over and its name dialog, the help
// page) answer only keys pressed after they appear. Arrows still tapped as
// the last life goes, or a key held from the screen before, repeating,
// would otherwise skip the game over and the title and start a new game
// before the player has seen either.
#pragma once

// After the last life is lost, how long the game-over screen takes no key
// at all: a player who was tapping arrows to escape the trap needs about
// this long to see that the game is over.
constexpr int GAME_OVER_KEY_GUARD_MS = 500;

// Hooks the keyboard; needs it installed. The low-level and buffer
// callbacks already in place are kept and called first.
void installKeyGate();

// A waiting screen has just appeared: the keyboard buffer is emptied, and
// from now on no key that went down before this moment enters the buffer,
// however long it is held and repeats. Keys that no one holds on the
// keyboard (a replay's, a test's) always enter.
void answerKeysPressedFromNow();

// The last life is lost: the next wait for a key (the game-over screen's,
// after the name dialog if there is one) takes no key pressed within `ms`
// from now, nor a gamepad button.
void guardNextKeyWait(int ms);

// Play begins: every key enters the buffer again, and no guard is pending.
void answerEveryKey();

// For the wait that has begun: milliseconds left of a pending guard, 0 when
// none is. From the first call on, keys pressed before the guard's end no
// longer enter the buffer.
int keyGuardLeftMs();
