// The grey banner the title and game-over screens share, and the title
// screen that opens every game.
#pragma once

// Where the banner's top-left corner goes on the WorldBitmap.
constexpr int BANNER_X = 350;
constexpr int BANNER_Y = 300;
// The row of the title's foot line: a key to start, and the help and
// options keys.
constexpr int TITLE_FOOT_Y = 572;

// Writes `text` in grey (175, 175, 175) on a transparent background at
// (BANNER_X, BANNER_Y) of the WorldBitmap.
void drawBanner(const char *text);

// Copies the top-left 800x600 of the WorldBitmap to the screen.
void showWorldBitmapScreen();

// Draws "GROG SLOOP" (and the high-score table above it) into the
// WorldBitmap and shows the top-left 800x600 of it on the screen.
void showTitleScreen();
