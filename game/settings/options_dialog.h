// The options, F10 on the title screen: music and effects volumes (heard
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
