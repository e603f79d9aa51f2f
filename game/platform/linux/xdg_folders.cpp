#include "platform/linux/xdg_folders.h"

#include <cstring>
#include <sstream>

namespace {

const char GAME_NAME[] = "grog-sloop";
constexpr const char *SETTINGS_DIR = "/grog-sloop";
constexpr const char *SETTINGS_FILE = "/settings.cfg";

// The value of XDG_PICTURES_DIR="..." in user-dirs.dirs, with "$HOME"
// expanded; empty when the file does not set it as the format allows.
std::string userDirsValue(const std::string &text, const char *home)
{
    std::istringstream lines(text);
    std::string line, found;
    const std::string key = "XDG_PICTURES_DIR=\"";
    while (std::getline(lines, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        const std::size_t end = line.find('"', start + key.size());
        if (end == std::string::npos) continue;
        std::string value = line.substr(start + key.size(), end - start - key.size());
        if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/') && home != nullptr)
            value = home + value.substr(5);
        found = value[0] == '/' ? value : "";  // the last setting counts, as when the shell reads it
    }
    return found;
}

}  // namespace

std::string scoreDirFor(const char *xdgDataHome, const char *home)
{
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rule says.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/" + GAME_NAME;
    if (home != nullptr && home[0] == '/')
        return std::string(std::strcmp(home, "/") == 0 ? "" : home) + "/.local/share/" + GAME_NAME;
    return "";
}

std::string settingsPathFor(const char *xdgConfigHome, const char *home)
{
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG rule says.
    if (xdgConfigHome != nullptr && xdgConfigHome[0] == '/')
        return std::string(xdgConfigHome) + SETTINGS_DIR + SETTINGS_FILE;
    if (home != nullptr && home[0] == '/')
        return std::string(std::strcmp(home, "/") == 0 ? "" : home) + "/.config" + SETTINGS_DIR + SETTINGS_FILE;
    return "";
}

std::string picturesDirectoryFrom(const std::string &userDirsText, const char *environmentValue, const char *home)
{
    std::string directory = userDirsValue(userDirsText, home);
    if (directory.empty() && environmentValue != nullptr && environmentValue[0] == '/') directory = environmentValue;
    if (directory.empty() && home != nullptr && home[0] == '/') directory = std::string(home) + "/Pictures";
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    return directory;
}
