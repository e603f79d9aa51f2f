// Reading a look file into a look. The file is untrusted: it is read only up
// to THEME_FILE_MAX_BYTES, every line that cannot be applied is reported
// with its line and key and skipped, and images are read only from the
// file's own directory (unless the program says otherwise) and only when
// their headers promise a modest size.
#include "widgets/style/derived_looks.h"
#include "widgets/lookfile/look_file_paths.h"
#include "widgets/lookfile/look_file_text.h"
#include "widgets/style/look_records.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum {
    IMAGE_MAX_SIDE = 1024,  // pixels, either way
    IMAGE_MAX_BYTES = 4 * 1024 * 1024,
    IMAGE_MAX_FRAMES = 8
};

struct Reader {
    Theme *theme;
    int flags;
    ThemeFileReport report;
    void *user;
    std::string dir;  // the look file's directory, "" for the working one
    int problems = 0;
    int parts_given = 0;  // a bit for each part an [images] line named

    void problem(int line, const std::string &key, int code, const std::string &message)
    {
        ++problems;
        if (report) report(user, line, key.c_str(), code, message.c_str());
    }
};

// The whole file, or false when it cannot be read or is too big.
bool read_file(const char *path, std::string &text, Reader &reader)
{
    FILE *file = std::fopen(path, "rb");
    if (!file) {
        reader.problem(0, "", THEME_ERR_FILE, std::string("cannot open ") + path);
        return false;
    }
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && text.size() <= THEME_FILE_MAX_BYTES)
        text.append(block, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        reader.problem(0, "", THEME_ERR_FILE, std::string("cannot read ") + path);
        return false;
    }
    if (text.size() > THEME_FILE_MAX_BYTES) {
        reader.problem(0, "", THEME_ERR_FILE, "the file is larger than 65536 bytes");
        return false;
    }
    return true;
}

// A name that stays within the directory as written: not absolute, no ".."
// part.
bool written_inside(const std::string &name)
{
    if (name.empty() || name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':')) return false;
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

// An existing file within the directory once links are followed.
bool resolved_inside(const std::string &dir, const std::string &name)
{
    const std::string base = real_path(dir.empty() ? "." : dir);
    const std::string full = real_path(joined(dir, name));
    return path_within(base, full);
}

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
    if (bytes < 0 || bytes > IMAGE_MAX_BYTES) return "the image file is larger than 4 MiB";
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
    if (w < 1 || h < 1 || w > IMAGE_MAX_SIDE || h > IMAGE_MAX_SIDE) return "the image is not 1 to 1024 pixels each way";
    return "";
}

// Loads the image at `path` for `part` of `theme` (margins left, top,
// right, bottom and the frame count in `numbers`), naming it `name` when
// saved; THEME_OK or a code with the reason in `why`.
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
        why = "an image holds 1 to 8 frames";
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

void read_image(Reader &reader, const LookFileEntry &entry)
{
    const int part = part_named(entry.key.c_str());
    if (part < 0) {
        reader.problem(entry.line, entry.key, THEME_ERR_KEY,
                       "no such part (frame, face, check, radio, thumb, title, menu)");
        return;
    }
    // One image a part: a file cannot make the reader load images over and
    // over.
    if (reader.parts_given & (1 << part)) {
        reader.problem(entry.line, entry.key, THEME_ERR_KEY, "the part has an image already");
        return;
    }
    reader.parts_given |= 1 << part;
    // file left top right bottom [frames]
    std::string words[7];
    std::size_t count = 0, start = 0;
    const std::string &v = entry.value;
    while (start < v.size() && count < 7) {
        while (start < v.size() && (v[start] == ' ' || v[start] == '\t')) ++start;
        std::size_t end = start;
        while (end < v.size() && v[end] != ' ' && v[end] != '\t') ++end;
        if (end > start) words[count++] = v.substr(start, end - start);
        start = end;
    }
    int numbers[5] = {0, 0, 0, 0, 1};
    bool good = count == 5 || count == 6;
    for (std::size_t i = 1; good && i < count; ++i)
        good = parse_look_number(words[i], &numbers[i - 1]) && numbers[i - 1] >= 0;
    if (!good) {
        reader.problem(entry.line, entry.key, THEME_ERR_IMAGE, "write: file left top right bottom [frames]");
        return;
    }
    const std::string &name = words[0];
    // Outside as written is refused before anything is looked up there, so
    // a look file cannot learn which files exist elsewhere.
    const bool anywhere = (reader.flags & THEME_FILE_IMAGES_ANYWHERE) != 0;
    if (!anywhere && !written_inside(name)) {
        reader.problem(entry.line, entry.key, THEME_ERR_PATH, "the image is not inside the look file's directory");
        return;
    }
    const bool absolute = !name.empty() && (name[0] == '/' || name[0] == '\\' || (name.size() > 1 && name[1] == ':'));
    if (real_path(absolute ? name : joined(reader.dir, name)).empty()) {
        reader.problem(entry.line, entry.key, THEME_ERR_IMAGE, "cannot open the image");
        return;
    }
    if (!anywhere && !resolved_inside(reader.dir, name)) {
        reader.problem(entry.line, entry.key, THEME_ERR_PATH, "the image leads out of the look file's directory");
        return;
    }
    const std::string path = absolute ? name : joined(reader.dir, name);
    std::string why;
    const int code = load_part_image(reader.theme, part, path, name, numbers, why);
    if (code != THEME_OK) reader.problem(entry.line, entry.key, code, why);
}

void read_param(Reader &reader, const LookFileEntry &entry)
{
    int value = 0;
    ThemeStyle *style = theme_style(reader.theme);
    const ThemeParam *param = nullptr;
    for (int i = 0; style && i < style->count; ++i)
        if (entry.key == style->param[i].name) param = &style->param[i];
    if (!param) {
        reader.problem(entry.line, entry.key, THEME_ERR_PARAM, "the look has no parameter of that name");
        return;
    }
    const bool colour = param->kind == THEME_PARAM_COLOUR;
    if (colour ? !parse_look_colour(entry.value, &value) : !parse_look_number(entry.value, &value)) {
        reader.problem(entry.line, entry.key, THEME_ERR_VALUE, colour ? "a colour is #RRGGBB" : "not a whole number");
        return;
    }
    if (theme_set_param(reader.theme, entry.key.c_str(), value) != THEME_OK)
        reader.problem(entry.line, entry.key, THEME_ERR_VALUE,
                       "outside " + look_number_text(param->min) + " .. " + look_number_text(param->max));
}

void read_base(Reader &reader, const LookFileEntry &entry)
{
    Theme *base = find_theme(entry.value.c_str());
    if (!base) {
        reader.problem(entry.line, entry.key, THEME_ERR_BASE, "no registered look has that name");
        return;
    }
    const int code = theme_set_base(reader.theme, base);
    if (code == THEME_ERR_CURRENT)
        reader.problem(entry.line, entry.key, code, "the look is in force: stop it to change its base");
    else if (code != THEME_OK)
        reader.problem(entry.line, entry.key, code, "that base would fall back on the look itself");
}

// Applies the entries: the version first, the base before the parameters
// (they are the base's), then the rest in file order.
void apply_entries(Reader &reader, const std::vector<LookFileEntry> &entries)
{
    if (entries.empty() || !entries[0].section.empty() || entries[0].key != "version") {
        reader.problem(entries.empty() ? 0 : entries[0].line, "version", THEME_ERR_VERSION,
                       "a look file starts with \"version = 1\"");
    } else {
        int version = 0;
        if (!parse_look_number(entries[0].value, &version) || version != THEME_FILE_VERSION)
            reader.problem(entries[0].line, "version", THEME_ERR_VERSION, "this library reads version 1 look files");
    }
    for (const LookFileEntry &entry : entries)
        if (entry.section.empty() && entry.key == "base") read_base(reader, entry);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LookFileEntry &entry = entries[i];
        if (entry.section.empty()) {
            if (entry.key == "version" && i == 0) continue;
            if (entry.key == "name" || entry.key == "base") continue;
            reader.problem(entry.line, entry.key, THEME_ERR_KEY,
                           entry.key == "version" ? "the version comes first" : "unknown key");
        } else if (entry.section == "params") {
            read_param(reader, entry);
        } else if (entry.section == "images") {
            read_image(reader, entry);
        } else {
            reader.problem(entry.line, entry.key, THEME_ERR_KEY, "unknown section [" + entry.section + "]");
        }
    }
}

// Reads and parses the file; false when nothing could be read.
bool read_entries(const char *path, Reader &reader, std::vector<LookFileEntry> &entries)
{
    std::string text;
    if (!read_file(path, text, reader)) return false;
    std::vector<LookFileSyntaxProblem> syntax;
    parse_look_file(text.data(), text.size(), entries, syntax);
    for (const LookFileSyntaxProblem &problem : syntax)
        reader.problem(problem.line, "", THEME_ERR_SYNTAX, problem.message);
    return true;
}

}  // namespace

int load_theme_file(Theme *theme, const char *path, int flags, ThemeFileReport report, void *user)
{
    if (!theme || !path) return THEME_ERR_NULL;
    Reader reader{theme, flags, report, user, directory_of(path)};
    std::vector<LookFileEntry> entries;
    if (!read_entries(path, reader, entries)) return THEME_ERR_FILE;
    apply_entries(reader, entries);
    if (reader.problems) return THEME_ERR_PROBLEMS;
    return THEME_OK;
}

Theme *load_theme(const char *path, int flags, ThemeFileReport report, void *user, int *error)
{
    int code = THEME_ERR_NULL;
    Theme *look = nullptr;
    if (path) {
        Reader reader{nullptr, flags, report, user, directory_of(path)};
        std::vector<LookFileEntry> entries;
        code = THEME_ERR_FILE;
        if (read_entries(path, reader, entries)) {
            std::string name;
            for (const LookFileEntry &entry : entries)
                if (entry.section.empty() && entry.key == "name") name = entry.value;
            look = make_look(name.c_str(), nullptr, &code);
            if (look) {
                reader.theme = look;
                apply_entries(reader, entries);
                code = register_theme(look);
                if (code != THEME_OK) {
                    forget_look_record(look);
                    look = nullptr;
                } else if (reader.problems) {
                    code = THEME_ERR_PROBLEMS;
                }
            }
        }
    }
    if (error) *error = code;
    return look;
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
