#include "platform/data_dirs.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scores/high_score_file.h"

namespace {

const char GAME_NAME[] = "grog-sloop";

std::string chosenDataDir;

bool directoryExists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The sprite sheet stands for the whole data set: a directory whose
// Gfx/Tile.bmp cannot be read is no use to the game.
bool dataReadable(const std::string &dir)
{
    return access((dir + "/Gfx/Tile.bmp").c_str(), R_OK) == 0;
}

std::string currentProgramPath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return "";
    return std::string(buffer, static_cast<size_t>(length));
}

// The home directory: $HOME, or the password database when HOME is unset.
const char *homeDirectory()
{
    const char *home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return home;
    const passwd *entry = getpwuid(getuid());
    return entry != nullptr ? entry->pw_dir : nullptr;
}

}  // namespace

std::string programDirOf(const std::string &programPath)
{
    const size_t slash = programPath.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return programPath.substr(0, slash);
}

std::string installedDataDirFor(const std::string &programPath)
{
    std::string dir = programDirOf(programPath);
    // One level up, textually: the program's directory is a real directory
    // (/proc/self/exe has no symbolic links left), so this is its parent.
    const size_t slash = dir.find_last_of('/');
    std::string prefix;
    if (slash == std::string::npos)
        prefix = dir == "." ? ".." : ".";
    else
        prefix = dir.substr(0, slash);
    return prefix + "/share/games/" + GAME_NAME;
}

std::string scoreDirFor(const char *xdgDataHome, const char *home)
{
    // A relative XDG_DATA_HOME is invalid and ignored, as the XDG rule says.
    if (xdgDataHome != nullptr && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/" + GAME_NAME;
    if (home != nullptr && home[0] == '/')
        return std::string(std::strcmp(home, "/") == 0 ? "" : home) + "/.local/share/" + GAME_NAME;
    return "";
}

bool makeDirectories(const std::string &directory, std::string &error)
{
    if (directoryExists(directory)) return true;
    const size_t slash = directory.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(directory.substr(0, slash), error)) return false;
    if (mkdir(directory.c_str(), 0700) != 0 && !(errno == EEXIST && directoryExists(directory))) {
        error = directory + ": " + std::strerror(errno);
        return false;
    }
    if (!directoryExists(directory)) {
        error = directory + ": not a directory";
        return false;
    }
    return true;
}

GamePlaces chooseGamePlaces(bool workingHasGfx, const std::string &programPath,
                            bool (*isDirectory)(const std::string &), bool (*isReadable)(const std::string &))
{
    GamePlaces places;
    if (workingHasGfx) return places;
    const std::string beside = programDirOf(programPath);
    if (!programPath.empty() && isDirectory(beside + "/Gfx") && isReadable(beside)) {
        places.dataDir = beside;
        return places;
    }
    // Not a build tree: the scores are the player's even when the data is
    // missing, so that nothing is written where the game was started.
    places.installed = true;
    if (programPath.empty()) {
        places.problem = "the program's own location is unknown";
        return places;
    }
    const std::string shared = installedDataDirFor(programPath);
    if (!isDirectory(shared))
        places.problem = "found neither in the working directory nor in " + shared;
    else if (!isReadable(shared))
        places.problem = shared + " cannot be read";
    else
        places.dataDir = shared;
    return places;
}

void locateGameFiles()
{
    const GamePlaces places =
        chooseGamePlaces(directoryExists("Gfx"), currentProgramPath(), directoryExists, dataReadable);
    chosenDataDir = places.dataDir;
    if (!places.problem.empty())
        std::fprintf(stderr, "grog-sloop: the game's art and music (Gfx/, Snd/): %s\n", places.problem.c_str());
    if (!places.installed) return;

    // An installed game is shared by every user of the machine; each keeps
    // a table of their own.
    const char *xdgDataHome = std::getenv("XDG_DATA_HOME");
    if (xdgDataHome != nullptr && xdgDataHome[0] != '\0' && xdgDataHome[0] != '/')
        std::fprintf(stderr, "grog-sloop: XDG_DATA_HOME \"%s\" is not an absolute path and is ignored\n", xdgDataHome);
    const std::string scores = scoreDirFor(xdgDataHome, homeDirectory());
    if (scores.empty()) {
        setScoreDirectory("/nonexistent");
        reportScoresCannotBeSaved("has no place: neither XDG_DATA_HOME nor HOME is an absolute directory");
        return;
    }
    setScoreDirectory(scores);
    std::string error;
    if (!makeDirectories(scores, error)) reportScoresCannotBeSaved(("has no directory: " + error).c_str());
}

std::string gameDataPath(const char *relative)
{
    if (chosenDataDir.empty()) return relative;
    return chosenDataDir + "/" + relative;
}
