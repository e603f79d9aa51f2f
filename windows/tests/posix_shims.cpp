#include "posix_shims.h"

#include <direct.h>
#include <io.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <string>

extern "C" char *mkdtemp(char *pattern)
{
    const std::size_t length = std::strlen(pattern);
    if (length < 6 || std::strcmp(pattern + length - 6, "XXXXXX") != 0) {
        errno = EINVAL;
        return nullptr;
    }
    // _mktemp_s offers 26 names for one pattern: try each until a directory
    // is made.
    for (int attempt = 0; attempt < 26; ++attempt) {
        std::string name(pattern);
        if (_mktemp_s(&name[0], name.size() + 1) != 0) return nullptr;
        if (_mkdir(name.c_str()) == 0) {
            std::memcpy(pattern, name.c_str(), length);
            return pattern;
        }
        if (errno != EEXIST) return nullptr;
    }
    errno = EEXIST;
    return nullptr;
}

extern "C" int setenv(const char *name, const char *value, int overwrite)
{
    if (!overwrite && std::getenv(name) != nullptr) return 0;
    return _putenv_s(name, value) == 0 ? 0 : -1;
}

extern "C" int unsetenv(const char *name)
{
    return _putenv_s(name, "") == 0 ? 0 : -1;
}
