// Waiting for the player on the title and game-over screens.
#ifndef GAME_KEY_WAIT_H
#define GAME_KEY_WAIT_H

// Returns once a key is in the keyboard buffer (the key stays there) or a
// gamepad button goes down.
// Sleeps a millisecond between looks so a player reading the screen does
// not cost a whole CPU core. Needs the timer and keyboard installed.
void waitForKeyPress();

#endif
