#include "platform/windows/known_folders.h"

#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include "platform/windows/wide_text.h"

namespace {

std::string withForwardSlashes(std::string path)
{
    for (char &c : path)
        if (c == '\\') c = '/';
    return path;
}

std::string knownFolder(REFKNOWNFOLDERID which)
{
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(which, KF_FLAG_DEFAULT, nullptr, &path))) folder = narrowText(path);
    CoTaskMemFree(path);
    return withForwardSlashes(folder);
}

}  // namespace

std::string roamingAppDataFolder()
{
    return knownFolder(FOLDERID_RoamingAppData);
}

std::string picturesKnownFolder()
{
    return knownFolder(FOLDERID_Pictures);
}

std::string runningModulePath()
{
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof buffer[0]);
    if (length == 0 || length >= sizeof buffer / sizeof buffer[0]) return "";
    return withForwardSlashes(narrowText(buffer));
}
