// What the game cannot go on without: each either succeeds or tells the
// player why on standard error and ends the process with status 1.
#pragma once

// Sets the graphics mode on `card`, or prints why it could not on standard
// error and ends the process with status 1: a player who gets no window
// must learn the reason.
void openWindowOrExit(int card, int width, int height);

// A new bitmap, or a line on standard error and exit status 1: play would
// otherwise crash at its first drawing into it.
struct BITMAP *createBitmapOrExit(int width, int height, const char *purpose);
