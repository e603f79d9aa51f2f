#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

bool fileExists(const std::string &path)
{
    return access(path.c_str(), F_OK) == 0;
}

bool fileReadable(const std::string &path)
{
    return access(path.c_str(), R_OK) == 0;
}

bool makeOneDirectory(const std::string &path, unsigned int mode)
{
    return mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

int createTemporaryFile(std::string &pattern)
{
    return mkstemp(&pattern[0]);
}

int openForReadingOnly(const std::string &path)
{
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

void readBlocking(int fd)
{
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
}

void setFileMode(int fd, unsigned int mode)
{
    fchmod(fd, static_cast<mode_t>(mode));
}

bool syncFile(int fd)
{
    return fsync(fd) == 0;
}

bool replaceFile(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool syncDirectory(const std::string &directory)
{
    const int dir = open(directory.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0) return false;
    const bool ok = fsync(dir) == 0 || errno == EINVAL;  // some file systems cannot sync a directory
    close(dir);
    return ok;
}
