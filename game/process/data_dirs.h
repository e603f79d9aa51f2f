// Where the game finds its art, music and instrument set, and where it
// keeps the player's high scores. A working directory holding Gfx/ wins (the
// build directory, scripts/play.sh); otherwise the data lies beside the
// program or, for an installed game, in ../share/games/grog-sloop from the
// program's directory, and the scores go to the player's own data directory.
#pragma once

#include <string>

// The data directory of an installed program: "../share/games/grog-sloop"
// from the directory that holds `programPath`, with that ".." resolved
// textually ("/usr/games/grog-sloop" gives "/usr/share/games/grog-sloop").
std::string installedDataDirFor(const std::string &programPath);

// The directory of `programPath` ("/a/b/prog" gives "/a/b", "prog" gives ".").
std::string programDirOf(const std::string &programPath);

// Creates `directory` and any missing parents, new ones with mode 0700 (a
// player's scores are their own). True when it exists as a directory
// afterwards; otherwise `error` tells which directory failed and why.
bool makeDirectories(const std::string &directory, std::string &error);

struct GamePlaces {
    std::string dataDir;     // "" = the working directory; else absolute
    bool installed = false;  // not a build tree: scores per player
    std::string problem;     // why no data directory could be used ("" when fine)
};

// Chooses the data directory. `workingHasGfx` is whether the working
// directory holds Gfx/; `isDirectory` and `isReadable` look at the file
// system (passed in so that the choice can be tried without one).
GamePlaces chooseGamePlaces(bool workingHasGfx, const std::string &programPath,
                            bool (*isDirectory)(const std::string &), bool (*isReadable)(const std::string &));

// Where the score file is kept is the score file's own business
// (scores/high_score_file.h): whoever starts the game hands locateGameFiles
// the two calls it makes for an installed game. Unset, they are not made.
struct ScoreFolderCalls {
    void (*moveScoresTo)(const std::string &directory) = nullptr;  // the score file goes into `directory`
    void (*reportCannotSave)(const char *reason) = nullptr;        // the one line: scores cannot be saved
};
void handScoreFolderCalls(const ScoreFolderCalls &calls);

// Runs the choice above for this process (program from /proc/self/exe),
// moves the score file into the player's directory for an installed game
// (creating it), and prints on standard error what could not be done. The
// game goes on whatever happens.
void locateGameFiles();

// `relative` ("Gfx/Tile.bmp") in the chosen data directory.
std::string gameDataPath(const char *relative);
