// Running a dialog in the game's window at any scale.
#pragma once

struct DIALOG;

// do_dialog for any window: the dialog draws into the canvas and is shown
// enlarged, with the mouse pointer drawn where the dialog reads it, or
// straight into the window with Allegro's pointer; the window keys work
// while it runs.
int runScaledDialog(DIALOG *dialog, int focusObject);
