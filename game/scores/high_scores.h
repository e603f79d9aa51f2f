// The high-score table in the game: shown on the title and game-over
// screens, checked at game over, and the name dialog's button that records
// the result. The file and the table themselves: high_score_file.h.
#pragma once

#include <allegro.h>

#include "scores/high_score_file.h"

// Draws the ten entries into WorldBitmap, white at x 100 from y 20 to 200,
// and copies WorldBitmap's top-left 800x600 to the screen.
void showScoreTable();

// At game over: asks for the name if Score earns a place, then shows the
// table.
void checkHighScore();

// How checkHighScore asks for the name, given whether Score earns a place
// in the table on disk: askForNameIfEarned, unless a recording (which notes
// the name) or a replay (which enters the recorded one) stands in.
extern void (*NameEntrySource)(bool earnsPlace);
// Runs the name dialog when the score earns a place.
void askForNameIfEarned(bool earnsPlace);

// The "YARRR" button's callback: puts Score under PlayerName, at level
// LevelIndex + 1, in its place and saves the table. Returns D_CLOSE so the
// dialog closes, whether or not the file could be saved.
int recordScore(DIALOG *row);
