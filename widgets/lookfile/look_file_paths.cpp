#include "widgets/lookfile/look_file_paths.h"

#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#  include <io.h>
#endif

std::string directory_of(const char *path)
{
    const char *slash = std::strrchr(path, '/');
#ifdef _WIN32
    const char *backslash = std::strrchr(path, '\\');
    if (backslash && (!slash || backslash > slash)) slash = backslash;
#endif
    return slash ? std::string(path, static_cast<std::size_t>(slash - path) + 1) : std::string();
}

namespace {

bool is_separator(char c)
{
    return c == '/' || c == '\\';
}

}  // namespace

bool is_absolute_path(const std::string &path)
{
    return !path.empty() && (is_separator(path[0]) || (path.size() > 1 && path[1] == ':'));
}

std::string real_path(const std::string &path)
{
#ifdef _WIN32
    // Windows' _fullpath neither asks whether the path exists nor drops the
    // separator a directory is named with, as realpath does.
    char *full = _fullpath(nullptr, path.c_str(), 0);
    if (full && _access(full, 0) != 0) {
        std::free(full);  // NOLINT(cppcoreguidelines-no-malloc): _fullpath's own buffer
        full = nullptr;
    }
#else
    char *full = realpath(path.c_str(), nullptr);
#endif
    if (!full) return "";
    std::string result = full;
    std::free(full);  // NOLINT(cppcoreguidelines-no-malloc): realpath's own buffer
    while (result.size() > 1 && is_separator(result.back()) && result[result.size() - 2] != ':') result.pop_back();
    return result;
}

bool path_within(const std::string &dir, const std::string &full)
{
    if (dir.empty() || full.size() <= dir.size() || full.compare(0, dir.size(), dir) != 0) return false;
    // A root ("/", "C:\\") ends with its separator already.
    return is_separator(dir.back()) || is_separator(full[dir.size()]);
}

std::string image_name_from(const char *look_path, const std::string &image)
{
    // Only a name that reads from elsewhere than the look file's directory
    // needs a new one; a relative name is kept as the program gave it.
    if (!is_absolute_path(image)) return image;
    const std::string dir = directory_of(look_path);
    const std::string base = real_path(dir.empty() ? "." : dir);
    const std::string full = real_path(image);
    if (!path_within(base, full)) return image;
    return full.substr(is_separator(base.back()) ? base.size() : base.size() + 1);
}

bool written_inside(const std::string &name)
{
    if (name.empty() || is_absolute_path(name)) return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos) end = name.size();
        if (name.compare(start, end - start, "..") == 0 && end - start == 2) return false;
        start = end + 1;
    }
    return true;
}

// dir + name, appended rather than with std::operator+, whose copy the
// compiler would emit as a weak global of the library's interface.
std::string joined(const std::string &dir, const std::string &name)
{
    std::string path = dir;
    path += name;
    return path;
}

bool resolved_inside(const std::string &dir, const std::string &name)
{
    const std::string base = real_path(dir.empty() ? "." : dir);
    const std::string full = real_path(joined(dir, name));
    return path_within(base, full);
}
