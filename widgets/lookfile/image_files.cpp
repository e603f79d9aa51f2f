// The image files a look draws widget parts from, named by theme_set_image
// or by the [images] lines of a look file: the size each one's header
// announces checked before Allegro's loader allocates anything, then the
// image loaded as the part's nine-slice picture.
#include "widgets/lookfile/image_files.h"

#include "widgets/lookfile/look_file_text.h"
#include "widgets/style/look_records.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

enum {
    IMAGE_MAX_SIDE = 1024,  // pixels, either way
    IMAGE_MAX_BYTES = 4 * 1024 * 1024,
    IMAGE_MAX_FRAMES = 8
};

unsigned little16(const unsigned char *p)
{
    return p[0] | (p[1] << 8);
}

long little32(const unsigned char *p)
{
    return static_cast<long>(
        static_cast<std::int32_t>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<unsigned>(p[3]) << 24)));
}

unsigned long big32(const unsigned char *p)
{
    return (static_cast<unsigned long>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}

// Checks the size an image's header announces before Allegro's loader
// allocates it; "" when it may be loaded, else the reason.
std::string image_refusal(const std::string &path)
{
    const std::size_t dot = path.find_last_of('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char &c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) return "cannot open the image";
    unsigned char head[32] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    std::fseek(file, 0, SEEK_END);
    const long bytes = std::ftell(file);
    std::fclose(file);
    if (bytes < 0 || bytes > IMAGE_MAX_BYTES)
        return "the image file is larger than " + look_number_text(IMAGE_MAX_BYTES / (1024 * 1024)) + " MiB";
    long w = 0, h = 0;
    if (ext == "bmp" && got >= 26) {
        w = little32(head + 18);
        h = std::labs(little32(head + 22));
    } else if (ext == "pcx" && got >= 12) {
        w = static_cast<long>(little16(head + 8)) - static_cast<long>(little16(head + 4)) + 1;
        h = static_cast<long>(little16(head + 10)) - static_cast<long>(little16(head + 6)) + 1;
    } else if (ext == "tga" && got >= 16) {
        w = little16(head + 12);
        h = little16(head + 14);
    } else if (ext == "png" && got >= 24) {
        w = static_cast<long>(big32(head + 16));
        h = static_cast<long>(big32(head + 20));
    } else {
        return "images are BMP, PCX, TGA or PNG files";
    }
    if (w < 1 || h < 1 || w > IMAGE_MAX_SIDE || h > IMAGE_MAX_SIDE)
        return "the image is not 1 to " + look_number_text(IMAGE_MAX_SIDE) + " pixels each way";
    return "";
}

}  // namespace

int load_part_image(Theme *theme, int part, const std::string &path, const std::string &name, const int numbers[5],
                    std::string &why)
{
    why = image_refusal(path);
    if (!why.empty()) return THEME_ERR_IMAGE;
    LookImage image;
    image.left = numbers[0];
    image.top = numbers[1];
    image.right = numbers[2];
    image.bottom = numbers[3];
    image.frames = numbers[4];
    image.file = name;
    if (image.left < 0 || image.top < 0 || image.right < 0 || image.bottom < 0) {
        why = "margins are not negative";
        return THEME_ERR_IMAGE;
    }
    if (image.frames < 1 || image.frames > IMAGE_MAX_FRAMES) {
        why = "an image holds 1 to " + look_number_text(IMAGE_MAX_FRAMES) + " frames";
        return THEME_ERR_IMAGE;
    }
    PALETTE palette;
    image.bitmap = load_bitmap(path.c_str(), palette);
    if (!image.bitmap) {
        why = "the image cannot be loaded";
        return THEME_ERR_IMAGE;
    }
    const int frame_w = image.bitmap->w / image.frames;
    if (frame_w < 1 || image.left + image.right >= frame_w || image.top + image.bottom >= image.bitmap->h) {
        destroy_bitmap(image.bitmap);
        why = "the margins leave no middle in each frame";
        return THEME_ERR_IMAGE;
    }
    LookRecord *record = look_record(theme);
    if (!record) {
        destroy_bitmap(image.bitmap);
        why = "out of memory";
        return THEME_ERR_MEMORY;
    }
    set_look_image(record, static_cast<LookPart>(part), image);
    return THEME_OK;
}

int part_named(const char *name)
{
    for (int p = 0; name && p < PART_COUNT; ++p)
        if (std::strcmp(name, LOOK_PART_NAMES[p]) == 0) return p;
    return -1;
}

int theme_set_image(Theme *theme, const char *part, const char *path, int left, int top, int right, int bottom,
                    int frames)
{
    if (!theme || !part) return THEME_ERR_NULL;
    const int index = part_named(part);
    if (index < 0) return THEME_ERR_KEY;
    if (!path) {
        LookRecord *record = look_record(theme);
        if (!record) return THEME_ERR_MEMORY;
        set_look_image(record, static_cast<LookPart>(index), LookImage());
        return THEME_OK;
    }
    const int numbers[5] = {left, top, right, bottom, frames};
    std::string why;
    return load_part_image(theme, index, path, path, numbers, why);
}
