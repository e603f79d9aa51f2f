#include "widgets/look_file_paths.h"

#include <cstdlib>
#include <cstring>

std::string directory_of(const char *path)
{
    const char *slash = std::strrchr(path, '/');
#ifdef _WIN32
    const char *backslash = std::strrchr(path, '\\');
    if (backslash && (!slash || backslash > slash)) slash = backslash;
#endif
    return slash ? std::string(path, static_cast<std::size_t>(slash - path) + 1) : std::string();
}

std::string real_path(const std::string &path)
{
#ifdef _WIN32
    char *full = _fullpath(nullptr, path.c_str(), 0);
#else
    char *full = realpath(path.c_str(), nullptr);
#endif
    if (!full) return "";
    std::string result = full;
    std::free(full);  // NOLINT(cppcoreguidelines-no-malloc): realpath's own buffer
    return result;
}

std::string image_name_from(const char *look_path, const std::string &image)
{
    // Only a name that reads from elsewhere than the look file's directory
    // needs a new one; a relative name is kept as the program gave it.
    const bool absolute =
        !image.empty() && (image[0] == '/' || image[0] == '\\' || (image.size() > 1 && image[1] == ':'));
    if (!absolute) return image;
    const std::string dir = directory_of(look_path);
    const std::string base = real_path(dir.empty() ? "." : dir);
    const std::string full = real_path(image);
    if (base.empty() || full.size() <= base.size() + 1 || full.compare(0, base.size(), base) != 0) return image;
    if (full[base.size()] != '/' && full[base.size()] != '\\') return image;
    return full.substr(base.size() + 1);
}
