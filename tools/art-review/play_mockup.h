// A play screen as the game shows it: a 25-cell-wide view of two rooms
// joined by bridges over the sea, the pirate, monsters and bottles, and the
// status bar under it, each cell drawn the way the game draws it (sea
// first, then the cell, then the actors, all with the mask transparent).
#pragma once

#include <allegro.h>

// `frame` picks the sea frame and the actors' animation frame. A new
// 800x600 bitmap at the current colour depth; null on failure.
BITMAP *renderPlayMockup(BITMAP *sheet, BITMAP *status, int frame);
