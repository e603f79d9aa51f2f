// Where the player's own files go and where the running program lies, as
// the platform names them: on Linux by the XDG rules (XDG_CONFIG_HOME,
// XDG_DATA_HOME, user-dirs.dirs; linux/xdg_folders.h), on Windows by its
// known folders (the roaming application data and the Pictures folder).
// Every folder the game keeps a player's files in is named here.
#pragma once

#include <string>

// Where an installed game keeps this player's high scores; empty, with
// `problem` saying why, when there is no such place. It may not exist yet.
std::string playerScoresFolder(std::string &problem);

// Whether the scores go to playerScoresFolder() even when the game runs
// from a build tree: on Windows the game's own folder is never written to.
bool scoresAlwaysInPlayerFolder();

// The running program's full path, with '/' between its parts; empty when
// it cannot be known.
std::string runningProgramPath();

// This player's settings file: $XDG_CONFIG_HOME/grog-sloop/settings.cfg
// (by default under ~/.config) on Linux, settings.cfg in the game's folder
// of the roaming application data on Windows. Empty when there is no such
// place.
std::string playerSettingsPath();

// The player's pictures folder, where screenshots go; empty when nothing
// names one.
std::string picturesDirectory();
