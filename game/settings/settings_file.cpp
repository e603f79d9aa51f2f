#include "settings/settings_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/file_system.h"
#include "process/data_dirs.h"

namespace {

std::string directoryOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool writeWhole(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

}  // namespace

Settings loadSettings(const std::string &path)
{
    if (path.empty()) return Settings();
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errno != ENOENT)
            std::fprintf(stderr, "grog-sloop: settings %s cannot be read (%s); defaults are used\n", path.c_str(),
                         std::strerror(errno));
        return Settings();
    }
    // One byte past the limit tells a file too large from one just at it,
    // without reading all of an endless one.
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while (text.size() <= SETTINGS_BYTES_MAX && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        std::fprintf(stderr, "grog-sloop: settings %s cannot be read; defaults are used\n", path.c_str());
        return Settings();
    }
    std::vector<std::string> problems;
    Settings settings = parseSettings(text.data(), text.size(), problems);
    for (std::size_t i = 0; i < problems.size() && i < SETTINGS_PROBLEMS_TOLD; ++i)
        std::fprintf(stderr, "grog-sloop: settings %s, %s\n", path.c_str(), problems[i].c_str());
    if (problems.size() > SETTINGS_PROBLEMS_TOLD)
        std::fprintf(stderr, "grog-sloop: settings %s: %zu more problems\n", path.c_str(),
                     problems.size() - SETTINGS_PROBLEMS_TOLD);
    return settings;
}

bool saveSettings(const std::string &path, const Settings &settings, std::string &error)
{
    if (path.empty()) {
        error = "there is no place for settings: neither XDG_CONFIG_HOME nor HOME is an absolute directory";
        return false;
    }
    const std::string directory = directoryOf(path);
    if (!makeDirectories(directory, error)) return false;
    // Beside the file, so that the rename stays on one file system and is
    // therefore atomic.
    std::string tempName = path + ".XXXXXX";
    const int fd = createTemporaryFile(tempName);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    setFileMode(fd, 0644);
    bool ok = writeWhole(fd, settingsText(settings)) && syncFile(fd);
    int why = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        why = errno;
    }
    if (ok && !replaceFile(tempName, path)) {
        ok = false;
        why = errno;
    }
    if (!ok) {
        unlink(tempName.c_str());
        error = path + ": " + std::strerror(why);
        return false;
    }
    // Makes the rename itself durable.
    syncDirectory(directory);
    return true;
}

Settings &currentSettings()
{
    static Settings settings;
    return settings;
}

Settings &savedSettings()
{
    static Settings settings;
    return settings;
}
