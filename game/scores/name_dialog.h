// The small dialog at game over that asks for the player's name: an edit
// field over the "GAME OVER" screen and the "YARRR" button that records the
// score. Drawn by the current look of the themed widget layer.
#pragma once

#include <allegro.h>

// Characters the edit field takes.
constexpr int NAME_EDIT_LIMIT = 100;
// Bytes of the widest character Allegro can insert in any of its text
// encodings (UTF-8 reaches 6), so the buffer holds a full field plus the
// terminator however the name is written.
constexpr int NAME_CHARACTER_BYTES_MAX = 6;
constexpr int PLAYER_NAME_SIZE = (NAME_EDIT_LIMIT + 1) * NAME_CHARACTER_BYTES_MAX;

// The name offered by the dialog: "Cappy Bilgewig" at start, then whatever
// was typed last, for as long as the program runs.
extern char PlayerName[PLAYER_NAME_SIZE];

// The four rows every run of the dialog starts from: edit field, button,
// a row that rests while the dialog is idle, terminator.
extern const DIALOG NameDialog[4];
// The edit field's row, which has the keyboard focus when the dialog opens.
constexpr int NAME_BOX_ROW = 0;

// How the dialog is run: Allegro's do_dialog, or a runner that shows it in
// an enlarged window.
extern int (*NameDialogRunner)(DIALOG *dialog, int focusObject);

// Runs the dialog until the button records the score or ESC closes it.
// Returns do_dialog's result: the closing row, or -1 for ESC.
int runNameDialog();
