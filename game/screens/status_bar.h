// The 800x100 strip under the view: level, lives, bottles left and score,
// or "PAUSE" while play is paused.
#pragma once

#include <allegro.h>

extern BITMAP *StatusBitmap;  // 800x100: canvas of the status bar
extern BITMAP *StatusImage;   // "Gfx/Status.bmp": background of the status bar

// Rebuilds the bar in the StatusBitmap over the StatusImage (or a plain
// background when "Gfx/Status.bmp" could not be loaded) and copies it to
// screen rows 500..599.
void drawStatusBar();

// The plain background used when there is no StatusImage.
int plainStatusBackground();
