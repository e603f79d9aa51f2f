#include "platform/file_system.h"

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>

#include "platform/windows/wide_text.h"

bool makeOneDirectory(const std::string &path, unsigned int)
{
    if (_wmkdir(wideText(path).c_str()) == 0) return true;
    // A drive ("C:") cannot be made and says "access denied": it is there.
    const DWORD attributes = GetFileAttributesW(wideText(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) errno = EEXIST;
    return false;
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
