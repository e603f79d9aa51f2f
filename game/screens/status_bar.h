// The 800x100 strip under the view: level, lives, bottles left and score,
// or "PAUSE" while play is paused.
#ifndef GAME_STATUS_BAR_H
#define GAME_STATUS_BAR_H

// Rebuilds the bar in the StatusBitmap over the StatusImage (or a plain
// background when "Gfx/Status.bmp" could not be loaded) and copies it to
// screen rows 500..599.
void drawStatusBar();

// The plain background used when there is no StatusImage.
int plainStatusBackground();

#endif
