#include "platform/linux/xpm_pixels.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

std::vector<unsigned long> xpmToArgb(const char *const *xpm)
{
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (xpm == nullptr || std::sscanf(xpm[0], "%d %d %d %d", &width, &height, &colours, &perPixel) != 4 || width <= 0 ||
        height <= 0 || colours <= 0 || perPixel <= 0 || width > 1024 || height > 1024)
        return {};
    const auto chars = static_cast<std::size_t>(perPixel);
    std::map<std::string, unsigned long> argbOf;
    for (int i = 1; i <= colours; ++i) {
        const char *line = xpm[i];
        if (std::strlen(line) < chars + 3) return {};
        const char *value = std::strstr(line + chars, " c ");
        if (value == nullptr) return {};
        value += 3;
        unsigned int rgb = 0;
        if (std::strcmp(value, "None") == 0)
            argbOf[std::string(line, chars)] = 0;
        else if (value[0] == '#' && std::strlen(value) == 7 && std::sscanf(value + 1, "%6x", &rgb) == 1)
            argbOf[std::string(line, chars)] = 0xff000000UL | rgb;
        else
            return {};
    }
    std::vector<unsigned long> icon{static_cast<unsigned long>(width), static_cast<unsigned long>(height)};
    icon.reserve(2 + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const char *row = xpm[1 + colours + y];
        if (std::strlen(row) != chars * static_cast<std::size_t>(width)) return {};
        for (int x = 0; x < width; ++x) {
            const auto found = argbOf.find(std::string(row + chars * static_cast<std::size_t>(x), chars));
            if (found == argbOf.end()) return {};
            icon.push_back(found->second);
        }
    }
    return icon;
}
