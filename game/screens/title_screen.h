// The title screen that opens every game.
#pragma once

// Draws "GROG SLOOP" (and the high-score table above it) into the
// WorldBitmap and shows the top-left 800x600 of it on the screen.
void showTitleScreen();
