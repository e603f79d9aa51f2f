#include "platform/player_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/linux/xdg_folders.h"

namespace {

// The home directory: $HOME, or the password database when HOME is unset.
const char *homeDirectory()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    const passwd *entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : nullptr;
}

std::string readFile(const std::string &path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::string playerScoresFolder(std::string &problem)
{
    const char *xdgDataHome = std::getenv("XDG_DATA_HOME");
    if (xdgDataHome != nullptr && xdgDataHome[0] != '\0' && xdgDataHome[0] != '/')
        std::fprintf(stderr, "grog-sloop: XDG_DATA_HOME \"%s\" is not an absolute path and is ignored\n", xdgDataHome);
    std::string scores = scoreDirFor(xdgDataHome, homeDirectory());
    if (scores.empty()) problem = "neither XDG_DATA_HOME nor HOME is an absolute directory";
    return scores;
}

bool scoresAlwaysInPlayerFolder()
{
    return false;
}

std::string runningProgramPath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return "";
    return std::string(buffer, static_cast<size_t>(length));
}

std::string playerSettingsPath()
{
    return settingsPathFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string picturesDirectory()
{
    const char *home = std::getenv("HOME");
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::string configDirectory;
    if (config != nullptr && config[0] == '/')
        configDirectory = config;
    else if (home != nullptr)
        configDirectory = std::string(home) + "/.config";
    const std::string userDirs = configDirectory.empty() ? "" : readFile(configDirectory + "/user-dirs.dirs");
    return picturesDirectoryFrom(userDirs, std::getenv("XDG_PICTURES_DIR"), home);
}
