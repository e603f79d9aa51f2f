// The XDG rules by which the Linux side names the player's folders, as
// plain functions of the environment's values (either may be null), so
// that they can be tried without an environment.
#pragma once

#include <string>

// The player's score directory by the XDG rule: $XDG_DATA_HOME/grog-sloop
// when that is set to an absolute path, else HOME/.local/share/grog-sloop.
// Either value may be null. Empty when there is no usable (absolute) home.
std::string scoreDirFor(const char *xdgDataHome, const char *home);

// The settings file by the XDG rule: $XDG_CONFIG_HOME/grog-sloop/settings.cfg
// when that is an absolute path (a relative one is ignored), else
// HOME/.config/grog-sloop/settings.cfg. Empty when there is no usable home.
std::string settingsPathFor(const char *xdgConfigHome, const char *home);

// The pictures folder as xdg-user-dir reads it: XDG_PICTURES_DIR from the
// text of user-dirs.dirs ("$HOME/..." or an absolute path), else from the
// environment, else HOME/Pictures. Empty when nothing names one.
std::string picturesDirectoryFrom(const std::string &userDirsText, const char *environmentValue, const char *home);
