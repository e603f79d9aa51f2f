// One game from its title screen to the end of its play loop.
#pragma once

// Resets the world for a new game (resetForNewGame), shows the title and
// waits for a key, builds the first level, starts the music and runs the
// play loop.
// Returns when that loop ends.
void newGame();
