// The keys that act on the window rather than in the game: Alt+Enter and
// F11 switch between the window and fullscreen, F12 saves a screenshot.
// Allegro's input thread notes them and keeps them out of the keyboard
// buffer, so no screen takes them for "any key" and no recording sees
// them; the main thread acts on them at the next picture or wait.
#pragma once

// Hooks the keyboard; needs it installed. A low-level keyboard callback
// already in place is kept and called first.
void installDesktopKeys();

// Switches fullscreen and saves a screenshot if their keys were pressed
// since the last call. Called wherever the game shows a picture or waits.
void serviceDesktopKeys();
