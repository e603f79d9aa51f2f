// The options, F10 on the title screen or while paused: music and effects volumes (heard
// at once), effects on or off, the key set and its keys, short taps, the
// window's scale and the look of the game's dialogs. OK applies and saves
// them; Cancel (or ESC) puts everything back as it was.
#pragma once

// Runs the dialog in the current look until OK or Cancel. Returns true when
// OK was pressed.
bool runOptionsDialog();

#include <string>

struct Settings;

// Makes `settings` the game's: the key set, the volumes and the dialogs'
// look.
void applySettings(const Settings &settings);

// Makes the look named `name` current for the game's dialogs; an unknown
// name costs one line on standard error and gives "GTK".
void applyDialogLook(const std::string &name);

#include <vector>

struct DIALOG;

// An on/off choice's label with its state in words: "Sound effects: on".
std::string onOffLabel(const char *name, bool on);

// A text the dialog can show in one of its rows; `checked` is the state of
// the on/off choice the text belongs to.
struct OptionsRowText {
    int row;
    std::string text;
    bool checked;
};

// The dialog's rows as laid out before it opens; the last has no proc.
const DIALOG *optionsDialogLayout();

// Every text each row can show: its label, an on/off choice in both
// states, a key button waiting for a key or naming the widest key, each
// message under the key buttons.
std::vector<OptionsRowText> optionsRowTexts();
