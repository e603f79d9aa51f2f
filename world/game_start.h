// The start of a game as the world sees it, without title, music or window:
// the game's own new game, the soak bot, the tools and the tests all begin
// here, so they all play the same first level for a seed.
#pragma once

constexpr int STARTING_LIVES = 3;

// Releases the last game's cells and actors, then makes a new player with
// score 0, level 1 and three lives. No level is built yet.
void resetForNewGame();

// Builds the first level, puts the player on it and reports NewGame.
void buildFirstLevel();

// Both at once: a whole new game for a run nobody watches.
void startHeadlessGame();
