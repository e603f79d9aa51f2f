// Reading a look file into a look. The file is untrusted: it is read only up
// to LOOK_FILE_MAX_BYTES, every line that cannot be applied is reported
// with its line and key and skipped, and images are read only from the
// file's own directory (unless the program says otherwise, look_file_paths.h)
// and only when their headers promise a modest size (image_files.h).
#include "widgets/lookfile/image_files.h"
#include "widgets/lookfile/look_file_paths.h"
#include "widgets/lookfile/look_file_text.h"
#include "widgets/style/derived_looks.h"
#include "widgets/style/look_records.h"

#include <cstdio>
#include <string>
#include <vector>

static_assert(LOOK_FILE_MAX_BYTES == THEME_FILE_MAX_BYTES, "the reader's limit is the one the interface promises");

namespace {

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
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && text.size() <= LOOK_FILE_MAX_BYTES)
        text.append(block, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        reader.problem(0, "", THEME_ERR_FILE, std::string("cannot read ") + path);
        return false;
    }
    if (text.size() > LOOK_FILE_MAX_BYTES) {
        reader.problem(0, "", THEME_ERR_FILE,
                       "the file is larger than " + look_number_text(LOOK_FILE_MAX_BYTES) + " bytes");
        return false;
    }
    return true;
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
    const bool absolute = is_absolute_path(name);
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
