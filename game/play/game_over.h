// The end of a game: the banner, the high scores, and the next game.
#pragma once

// Shows "GAME OVER", forgets the game's levels, waits for a key and runs
// the next game (title screen included) before returning.
void gameOver();
