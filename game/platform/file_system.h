// What the game does with files that the platforms do differently: asking
// whether a file is there or may be read, making a private directory,
// putting a finished file in place of the old one so that a crash or a
// power cut leaves one or the other whole, and opening a file without
// waiting on whatever stands at its name. One side per platform:
// linux/file_system.cpp, windows/file_system.cpp.
#pragma once

#include <string>

// Whether anything stands at `path`.
bool fileExists(const std::string &path);

// Whether this process may read the file at `path`.
bool fileReadable(const std::string &path);

// mkdir with the given permissions (Windows has none to give: the folders
// of a user's profile are theirs). Sets errno on failure.
bool makeOneDirectory(const std::string &path, unsigned int mode);

// Creates and opens a new file beside the one it will replace: `pattern`
// ends in XXXXXX, which is replaced by the name chosen. -1 and errno on
// failure. (Windows' mkstemp draws its names from rand(), the world's
// random numbers: a saved score would change the levels of the games
// after it.)
int createTemporaryFile(std::string &pattern);

// Opens `path` for reading, never blocking on a pipe standing there and
// never handed down to a program the game starts; -1 and errno on failure.
int openForReadingOnly(const std::string &path);

// Makes reads from `fd`, opened by openForReadingOnly, wait for their
// bytes again: for a plain file, once it is known to be one.
void readBlocking(int fd);

// Gives the open file `fd` the permissions `mode` (nothing on Windows).
void setFileMode(int fd, unsigned int mode);

// Puts the file's written bytes on the disk.
bool syncFile(int fd);

// Puts `from` in the place of `to` in one step: readers see the old file
// or the new one, never neither. Sets errno on failure.
bool replaceFile(const std::string &from, const std::string &to);

// Makes the last replaceFile in `directory` itself durable. True when
// done or when the file system cannot (or need not) do it.
bool syncDirectory(const std::string &directory);
