// Where the player's own files go and where the running program lies, as
// the platform names them: on Linux by the XDG rules (XDG_CONFIG_HOME,
// XDG_DATA_HOME, user-dirs.dirs), on Windows by its known folders (the
// roaming application data and the Pictures folder). One side per
// platform: player_folders_xdg.cpp, windows/player_folders.cpp. The
// settings file's and the pictures folder's getters are declared with
// their users (settings_file.h, screenshot.h).
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
