// The end of a game: the banner, the high scores, and the next game.
#ifndef GAME_GAME_OVER_H
#define GAME_GAME_OVER_H

// Shows "GAME OVER", forgets the game's levels, waits for a key and runs
// the next game (title screen included) before returning.
void gameOver();

#endif
