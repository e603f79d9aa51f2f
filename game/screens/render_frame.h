// Drawing one frame of play: the camera window over the level, the actors,
// the status bar; then the trap rule.
#pragma once

// Rows of the screen that show the level; the status bar fills the rest.
constexpr int VIEW_HEIGHT = 500;

// Draws the 25x16 cells of the camera window (background, then the cell's
// own image), the player, the monsters and the bottles into the
// WorldBitmap, copies the window's top 800x500 to the screen and draws the
// status bar under it.
void drawFrame();

// drawFrame, then the trap rule (which may cost a life or end the game).
void renderFrame();
