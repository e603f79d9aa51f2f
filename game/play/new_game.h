// One game from its title screen to the end of its play loop.
#ifndef GAME_NEW_GAME_H
#define GAME_NEW_GAME_H

// Releases the previous game's cells and actors, makes a new player with a
// fresh score, three lives and level 1, shows the title and waits for a
// key, builds the first level, starts the music and runs the play loop.
// Returns when that loop ends.
void newGame();

constexpr int STARTING_LIVES = 3;

#endif
