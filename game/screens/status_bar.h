// The 800x100 strip under the view: level, lives, bottles left and score,
// with a short message on the middle plaque for a moment after something
// happened, or "PAUSE" while play is paused.
#pragma once

#include <allegro.h>

extern BITMAP *StatusBitmap;  // 800x100: canvas of the status bar
extern BITMAP *StatusImage;   // "Gfx/Status.bmp": background of the status bar

// Rebuilds the bar in the StatusBitmap over the StatusImage (or a plain
// background when "Gfx/Status.bmp" could not be loaded) and copies it to
// screen rows 500..599.
void drawStatusBar();

// The bar of the game-over screen, into rows 500..599 of `target`: the
// counters gone with the game, the plaque telling the final score and
// level.
void drawGameOverBar(BITMAP *target, int score, int level);

// The plain background used when there is no StatusImage.
int plainStatusBackground();
