// Files the tool tests make for themselves: a scratch directory under /tmp
// that is removed with everything in it when the test ends.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

inline bool pathExists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

struct ScratchDir {
    std::string path;

    explicit ScratchDir(const std::string &prefix)
    {
        std::string pattern = "/tmp/" + prefix + "-XXXXXX";
        if (const char *made = mkdtemp(pattern.data())) path = made;
    }
    ~ScratchDir()
    {
        if (!path.empty()) std::system(("rm -rf '" + path + "'").c_str());
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    // Writes `text` to the file `name` inside the directory.
    void touch(const std::string &name, const std::string &text = "") const
    {
        std::ofstream(path + "/" + name) << text;
    }
};
