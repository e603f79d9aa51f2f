// F12's screenshot: the picture being shown, at the game's own 800x600
// whatever the window's size, saved as a PNG in the player's pictures
// folder under a name that tells when it was taken. Saving never stops
// play: a failure costs one line on standard error.
#pragma once

#include <ctime>
#include <string>

struct BITMAP;

// "grog-sloop-YYYYMMDD-HHMMSS.png"; the second shot of the same second
// (copy 2) ends "-2.png", and so on.
std::string screenshotFileName(const std::tm &when, int copy);

// Saves `picture` (800x600) in the pictures folder, made if missing, and
// names the file in one line on standard output. False, with one line on
// standard error, when it cannot.
bool saveScreenshot(BITMAP *picture);
