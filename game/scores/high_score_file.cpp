#include "scores/high_score_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/file_system.h"

const char *const SCORE_FILE_NAME = "High.txt";

namespace {

bool warningShown = false;

// Where the table lives: "High.txt" in the working directory unless an
// installed game has moved it into the player's own data directory.
std::string scoreDirectory;
std::string scoreFile = SCORE_FILE_NAME;

std::string describe(const char *what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

// Opens "High.txt" for reading. Opening does not wait: a named pipe put
// there would otherwise hang the game until something wrote into it.
// Anything but a plain file is closed again and flagged in `notPlain`;
// otherwise errno tells why opening failed.
std::FILE *openForReading(bool &notPlain)
{
    notPlain = false;
    int fd = openForReadingOnly(scoreFile);
    if (fd < 0) return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        notPlain = true;
        return nullptr;
    }
    readBlocking(fd);
    std::FILE *file = fdopen(fd, "rb");
    if (!file) close(fd);
    return file;
}

// Copies everything after the first thirty lines of the old file, as it
// is, to `out`. An old file that is missing or shorter has nothing to copy.
bool copyTailAfterTable(std::FILE *out)
{
    bool notPlain;
    std::FILE *old = openForReading(notPlain);
    if (!old) return true;
    std::size_t lines = 0;
    int c;
    while (lines < SCORE_TABLE_LINES && (c = std::getc(old)) != EOF) {
        if (c == '\n') ++lines;
    }
    bool ok = true;
    char buffer[8192];
    std::size_t got;
    while (ok && (got = std::fread(buffer, 1, sizeof buffer, old)) > 0) ok = std::fwrite(buffer, 1, got, out) == got;
    if (std::ferror(old)) ok = false;
    std::fclose(old);
    return ok;
}

// The new file keeps the permissions of the one it replaces; a first file
// gets the usual ones for a user's data file.
void takeOverPermissions(int fd)
{
    struct stat info;
    mode_t mode = 0644;
    if (stat(scoreFile.c_str(), &info) == 0 && S_ISREG(info.st_mode)) mode = info.st_mode & 07777;
    setFileMode(fd, mode);
}

// Makes the rename itself durable: without this a power loss can bring the
// old directory entry back, or neither.
bool syncScoreDirectory()
{
    return syncDirectory(scoreDirectory.empty() ? "." : scoreDirectory);
}

// Writes `table` and, if asked, the old file's tail to a temporary file,
// syncs it and renames it over "High.txt". On failure the temporary file is
// removed, the old file stays as it was, and the reason is reported.
bool replaceScoreFile(const std::string &table, bool keepTail)
{
    // Whatever stands there that is not a plain file (a directory, a pipe)
    // was put there on purpose and is not ours to replace.
    struct stat existing;
    if (stat(scoreFile.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        reportScoresCannotBeSaved("is not a plain file");
        return false;
    }
    // The temporary file is made beside "High.txt" so that the rename stays
    // within one file system and is therefore atomic.
    std::string tempPattern = scoreFile + ".XXXXXX";
    int fd = createTemporaryFile(tempPattern);
    const char *tempName = tempPattern.c_str();
    if (fd < 0) {
        reportScoresCannotBeSaved(describe("cannot be written", errno).c_str());
        return false;
    }
    takeOverPermissions(fd);
    std::FILE *out = fdopen(fd, "wb");
    if (!out) {
        int error = errno;
        close(fd);
        unlink(tempName);
        reportScoresCannotBeSaved(describe("cannot be written", error).c_str());
        return false;
    }
    bool ok = std::fwrite(table.data(), 1, table.size(), out) == table.size();
    if (ok && keepTail) ok = copyTailAfterTable(out);
    if (ok) ok = std::fflush(out) == 0;
    if (ok) ok = syncFile(fileno(out));
    int error = errno;
    if (std::fclose(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && !replaceFile(tempName, scoreFile)) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        unlink(tempName);
        reportScoresCannotBeSaved(describe("cannot be replaced", error).c_str());
        return false;
    }
    syncScoreDirectory();
    return true;
}

}  // namespace

void reportScoresCannotBeSaved(const char *reason)
{
    if (warningShown) return;
    warningShown = true;
    std::fprintf(stderr, "GROG SLOOP: scores cannot be saved (\"%s\" %s)\n", scoreFile.c_str(), reason);
}

void setScoreDirectory(const std::string &directory)
{
    scoreDirectory = directory;
    scoreFile = directory.empty() ? SCORE_FILE_NAME : directory + "/" + SCORE_FILE_NAME;
}

const std::string &scoreFilePath()
{
    return scoreFile;
}

void resetScoreSaveWarning()
{
    warningShown = false;
}

bool createDefaultScoreFile()
{
    return replaceScoreFile(formatScoreTable(defaultScoreTable()), false);
}

ScoreTable readScoreTable()
{
    bool notPlain;
    std::FILE *in = openForReading(notPlain);
    // Only a file that is not there is made anew; one that is there but
    // cannot be read is somebody's table and is left alone.
    if (!in && !notPlain && errno == ENOENT && createDefaultScoreFile()) in = openForReading(notPlain);
    if (!in) {
        reportScoresCannotBeSaved(notPlain ? "is not a plain file" : describe("cannot be opened", errno).c_str());
        return defaultScoreTable();
    }
    ScoreTable table = parseScoreTable(in);
    std::fclose(in);
    return table;
}

bool writeScoreTable(const ScoreTable &table)
{
    return replaceScoreFile(formatScoreTable(table), true);
}
