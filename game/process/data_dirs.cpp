#include "process/data_dirs.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/file_system.h"
#include "platform/player_folders.h"

namespace {

const char GAME_NAME[] = "grog-sloop";

std::string chosenDataDir;
ScoreFolderCalls ScoreFolder;

void moveScoresTo(const std::string &directory)
{
    if (ScoreFolder.moveScoresTo != nullptr) ScoreFolder.moveScoresTo(directory);
}

void tellScoresCannotBeSaved(const char *reason)
{
    if (ScoreFolder.reportCannotSave != nullptr) ScoreFolder.reportCannotSave(reason);
}

bool directoryExists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The sprite sheet stands for the whole data set: a directory whose
// Gfx/Tile.bmp cannot be read is no use to the game.
bool dataReadable(const std::string &dir)
{
    return fileReadable(dir + "/Gfx/Tile.bmp");
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

bool makeDirectories(const std::string &directory, std::string &error)
{
    if (directoryExists(directory)) return true;
    const size_t slash = directory.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !makeDirectories(directory.substr(0, slash), error)) return false;
    if (!makeOneDirectory(directory, 0700) && !(errno == EEXIST && directoryExists(directory))) {
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

void handScoreFolderCalls(const ScoreFolderCalls &calls)
{
    ScoreFolder = calls;
}

void locateGameFiles()
{
    const GamePlaces places =
        chooseGamePlaces(directoryExists("Gfx"), runningProgramPath(), directoryExists, dataReadable);
    chosenDataDir = places.dataDir;
    if (!places.problem.empty())
        std::fprintf(stderr, "grog-sloop: the game's art and music (Gfx/, Snd/): %s\n", places.problem.c_str());
    if (!places.installed && !scoresAlwaysInPlayerFolder()) return;

    // An installed game is shared by every user of the machine; each keeps
    // a table of their own.
    std::string problem;
    const std::string scores = playerScoresFolder(problem);
    if (scores.empty()) {
        moveScoresTo("/nonexistent");
        tellScoresCannotBeSaved(("has no place: " + problem).c_str());
        return;
    }
    moveScoresTo(scores);
    std::string error;
    if (!makeDirectories(scores, error)) tellScoresCannotBeSaved(("has no directory: " + error).c_str());
}

std::string gameDataPath(const char *relative)
{
    if (chosenDataDir.empty()) return relative;
    return chosenDataDir + "/" + relative;
}
