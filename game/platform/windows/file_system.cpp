#include "platform/file_system.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <unistd.h>
#include <windows.h>

#include <cerrno>

#include "platform/windows/wide_text.h"

// The C runtime's access() answers both.
bool fileExists(const std::string &path)
{
    return access(path.c_str(), F_OK) == 0;
}

bool fileReadable(const std::string &path)
{
    return access(path.c_str(), R_OK) == 0;
}

bool makeOneDirectory(const std::string &path, unsigned int)
{
    if (_wmkdir(wideText(path).c_str()) == 0) return true;
    // A drive ("C:") cannot be made and says "access denied": it is there.
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) errno = EEXIST;
    return false;
}

int createTemporaryFile(std::string &pattern)
{
    const std::size_t suffix = pattern.size() - 6;
    if (pattern.size() < 6 || pattern.compare(suffix, 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return -1;
    }
    // The process, the time and a count name it; a name that is taken
    // is passed over.
    static unsigned int made = 0;
    const unsigned long long stamp = GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 20);
    for (unsigned int attempt = 0; attempt < 1000; ++attempt) {
        unsigned long long value = stamp + 7919ULL * (++made);
        for (std::size_t i = 0; i < 6; ++i, value /= 36)
            pattern[suffix + i] = "0123456789abcdefghijklmnopqrstuvwxyz"[value % 36];
        int fd = -1;
        const errno_t error =
            _wsopen_s(&fd, wideText(pattern).c_str(), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                      _SH_DENYNO, _S_IREAD | _S_IWRITE);
        if (error == 0) return fd;
        if (error != EEXIST) {
            errno = error;
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

int openForReadingOnly(const std::string &path)
{
    return _wopen(wideText(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

void readBlocking(int) {}

void setFileMode(int, unsigned int) {}

bool syncFile(int fd)
{
    return _commit(fd) == 0;
}

bool replaceFile(const std::string &from, const std::string &to)
{
    // Write-through: the move is on the disk when the call returns, which
    // is what syncing the directory does on Linux.
    if (MoveFileExW(wideText(from).c_str(), wideText(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

bool syncDirectory(const std::string &)
{
    return true;
}
