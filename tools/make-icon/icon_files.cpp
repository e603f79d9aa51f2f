#include "icon_files.h"

#include <allegro.h>
#include <loadpng.h>

#include <cstdio>
#include <map>

namespace {

// XPM's pixel characters: printable, neither quote nor backslash.
constexpr char XPM_CHARACTERS[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.+@#$%&*=-;:>,<";

std::string xpmCode(std::size_t index)
{
    const std::size_t base = sizeof XPM_CHARACTERS - 1;
    return std::string(1, XPM_CHARACTERS[index / base % base]) + XPM_CHARACTERS[index % base];
}

}  // namespace

bool writeIconPng(const std::string &path, int size, const std::vector<std::uint8_t> &rgba)
{
    BITMAP *icon = create_bitmap_ex(32, size, size);
    if (icon == nullptr) return false;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::uint8_t *p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            putpixel(icon, x, y, makeacol32(p[0], p[1], p[2], p[3]));
        }
    // A 32-bit bitmap goes out as RGBA: the add-on keeps its alpha.
    const bool written = save_png(path.c_str(), icon, nullptr) == 0;
    destroy_bitmap(icon);
    return written;
}

std::string iconXpmSource(const std::string &name, int size, const std::vector<std::uint8_t> &rgba)
{
    // Colours as "#rrggbb", in order of first appearance; "None" is first.
    std::map<std::string, std::size_t> codes{{"None", 0}};
    std::vector<std::string> colours{"None"};
    std::vector<std::string> rows(static_cast<std::size_t>(size));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::uint8_t *p = &rgba[(static_cast<std::size_t>(y) * size + x) * 4];
            char colour[8] = "None";
            if (p[3] != 0) std::snprintf(colour, sizeof colour, "#%02x%02x%02x", p[0], p[1], p[2]);
            const auto found = codes.emplace(colour, colours.size());
            if (found.second) colours.push_back(colour);
            rows[static_cast<std::size_t>(y)] += xpmCode(found.first->second);
        }

    std::string text = "// The game's window icon, made by tools/make-icon from the pirate's art.\n";
    text += "extern const char *const " + name + "[];\n";
    text += "const char *const " + name + "[] = {\n";
    text +=
        "    \"" + std::to_string(size) + " " + std::to_string(size) + " " + std::to_string(colours.size()) + " 2\",\n";
    for (std::size_t i = 0; i < colours.size(); ++i) text += "    \"" + xpmCode(i) + " c " + colours[i] + "\",\n";
    for (const std::string &row : rows) text += "    \"" + row + "\",\n";
    text += "};\n";
    return text;
}

bool writeTextFile(const std::string &path, const std::string &text)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}
