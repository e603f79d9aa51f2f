// The grey banner the title and game-over screens share.
#pragma once

// Where the banner's top-left corner goes on the WorldBitmap.
constexpr int BANNER_X = 350;
constexpr int BANNER_Y = 300;

// Writes `text` in grey (175, 175, 175) on a transparent background at
// (BANNER_X, BANNER_Y) of the WorldBitmap.
void drawBanner(const char *text);

// Copies the top-left 800x600 of the WorldBitmap to the screen.
void showWorldBitmapScreen();
