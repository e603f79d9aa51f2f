#include "scratch_directory.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

ScratchDirectory::ScratchDirectory()
{
    char cwd[4096];
    if (!getcwd(cwd, sizeof cwd)) throw std::runtime_error("getcwd");
    previous_ = cwd;
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/grog-scores-XXXXXX";
    if (!mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp");
    path_ = pattern;
    if (chdir(path_.c_str()) != 0) throw std::runtime_error("chdir");
}

ScratchDirectory::~ScratchDirectory()
{
    if (chdir(previous_.c_str()) != 0) return;
    // The directory may have been removed or made read-only by the test.
    chmod(path_.c_str(), 0755);
    std::string command = "rm -rf '" + path_ + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", path_.c_str());
}

std::string readWholeFile(const char *name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeWholeFile(const char *name, const std::string &content)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << content;
}

bool fileExists(const char *name)
{
    struct stat info;
    return stat(name, &info) == 0;
}

std::vector<std::string> directoryEntries()
{
    std::vector<std::string> names;
    DIR *dir = opendir(".");
    if (!dir) return names;
    while (dirent *entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
}

std::string repeat(const std::string &text, int times)
{
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

const std::string DEFAULT_FILE = repeat("Captain Bilgewig\n100\n10\n", 10);
