// The Windows shell's known folders the game uses, with '/' between their
// parts (Windows takes either); empty when the shell cannot name one.
#pragma once

#include <string>

// The player's roaming application data (C:\Users\NAME\AppData\Roaming).
std::string roamingAppDataFolder();

// The player's Pictures folder.
std::string picturesKnownFolder();

// The path of the running program.
std::string runningModulePath();
