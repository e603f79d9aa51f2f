// A fresh directory made the working directory for the length of a test,
// since "High.txt" is always named relative to it. Removed afterwards with
// everything in it.
#pragma once

#include <string>
#include <vector>

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;

    const std::string &path() const { return path_; }
    // The working directory the test started in.
    const std::string &previous() const { return previous_; }

private:
    std::string path_;
    std::string previous_;
};

// Whole-file helpers for the checks.
std::string readWholeFile(const char *name);
void writeWholeFile(const char *name, const std::string &content);
bool fileExists(const char *name);
// Names of the entries of the working directory, "." and ".." left out.
std::vector<std::string> directoryEntries();

// `text` written `times` times over.
std::string repeat(const std::string &text, int times);
// "High.txt" as it is first made: the default entry ten times.
extern const std::string DEFAULT_FILE;
