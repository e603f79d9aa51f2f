// "High.txt" in the working directory (or in the player's own data
// directory when the game is installed): reading it, creating it with the
// default entries, and replacing its table so that a crash or a power loss
// in the middle leaves either the whole old file or the whole new one.
// Plain C++ and POSIX, no Allegro.
#pragma once

#include <string>

#include "scores/high_score_table.h"

extern const char *const SCORE_FILE_NAME;  // "High.txt"

// Writes the default file: "Captain Bilgewig\n100\n10\n" ten times.
// Returns false (after the one warning) when it cannot be written.
bool createDefaultScoreFile();

// The table from the start of the file, creating the default file first
// when there is none. A file that cannot be read, or a name that is not a
// plain file, gives the default table and the one warning; the game goes
// on either way.
ScoreTable readScoreTable();

// Puts the first ten entries of `table` as the first thirty lines of the
// file; whatever followed the first thirty lines of the old file follows
// them unchanged. The new content is written to a temporary file beside
// "High.txt", synced, renamed over it, and the directory is synced.
// Returns false (after the one warning) when the file could not be replaced;
// the old file is then untouched.
bool writeScoreTable(const ScoreTable &table);

// The one line on standard error, at most once in a run, saying that scores
// cannot be saved and why.
void reportScoresCannotBeSaved(const char *reason);

// Moves the file into `directory` (which must exist); an empty string
// means the working directory, where it is at start.
void setScoreDirectory(const std::string &directory);

// The file as it is opened: "High.txt" or DIRECTORY/High.txt.
const std::string &scoreFilePath();

// Lets the next failure report again (a test starts each case afresh).
void resetScoreSaveWarning();
