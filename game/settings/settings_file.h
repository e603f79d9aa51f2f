// Where the settings live and how they are read and written:
// $XDG_CONFIG_HOME/grog-sloop/settings.cfg, by default
// ~/.config/grog-sloop/settings.cfg (playerSettingsPath in
// platform/player_folders.h). Read once at start; written only when
// the player presses OK in the options, whole or not at all.
#pragma once

#include <string>

#include "settings/settings.h"

// The settings read from `path`: a missing file gives the defaults quietly;
// each problem found costs one line on standard error (at most five, then
// how many more), and the defaults stand in for what could not be used.
// Never fails and never writes.
Settings loadSettings(const std::string &path);

// Writes `settings` to `path` through a temporary file beside it, synced and
// renamed over the old one, so the file is whole or untouched; the
// directories are made with mode 0700. False, with the reason, on failure.
bool saveSettings(const std::string &path, const Settings &settings, std::string &error);

// The settings of this run: those saved, with the command line's choices
// for this run over them; changed by the options.
Settings &currentSettings();

// The settings as the file holds them (the defaults when there is none):
// what the options save, without the command line's choices.
Settings &savedSettings();
