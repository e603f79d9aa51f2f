// One page of how to play, shown by F1 on the title screen and while play
// is paused: the goal, the keys as they are bound now, the trap rule in
// plain words, and the stairs, bottles, the pirate and both monsters drawn
// with their own art.
#pragma once

// Draws the page over the whole picture, shows it, and returns once a key
// (or a gamepad button) has been pressed and let go, or the window is being
// closed. What was on the screen is the caller's to draw again.
void showHelpPage();

// Draws the page into `target` (800x600), nothing shown and nothing waited
// for.
void drawHelpPage(struct BITMAP *target);

// Some key is down now: a page or dialog that a key closed waits for it to
// be let go, so it does nothing else.
bool anyKeyHeld();
