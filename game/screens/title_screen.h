// The title screen that opens every game.
#ifndef GAME_TITLE_SCREEN_H
#define GAME_TITLE_SCREEN_H

// Draws "GROG SLOOP" (and the high-score table above it) into the
// WorldBitmap and shows the top-left 800x600 of it on the screen.
void showTitleScreen();

#endif
