#include "platform/player_folders.h"

#include "platform/windows/known_folders.h"

namespace {

// The game's folder in the player's roaming application data: its
// settings and its scores.
constexpr const char *GAME_FOLDER = "/grog-sloop";

}  // namespace

std::string playerScoresFolder(std::string &problem)
{
    const std::string data = roamingAppDataFolder();
    if (data.empty()) {
        problem = "Windows names no application data folder";
        return "";
    }
    return data + GAME_FOLDER;
}

bool scoresAlwaysInPlayerFolder()
{
    return true;
}

std::string runningProgramPath()
{
    return runningModulePath();
}

std::string playerSettingsPath()
{
    const std::string data = roamingAppDataFolder();
    return data.empty() ? "" : data + GAME_FOLDER + "/settings.cfg";
}

std::string picturesDirectory()
{
    return picturesKnownFolder();
}
