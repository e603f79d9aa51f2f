#include "editor_model.h"

#include <cstdio>
#include <sstream>

#include "widgets/lookfile/look_file_paths.h"
#include "widgets/lookfile/look_file_text.h"

const char *const EDITOR_PARTS[EDITOR_PART_COUNT] = {"frame", "face", "check", "radio", "thumb", "title", "menu"};

ThemeStyle *editor_style(const EditorModel &model)
{
    return theme_style(model.look);
}

static void rebuild_if_in_force(const EditorModel &model)
{
    if (current_theme == model.look) rebuild_theme();
}

bool editor_set(EditorModel &model, int index, int value)
{
    ThemeStyle *style = editor_style(model);
    if (!style || index < 0 || index >= style->count) return false;
    const ThemeParam param = style->param[index];
    if (param.value == value && param.own) return false;
    if (theme_set_param(model.look, param.name, value) != THEME_OK) return false;
    model.undo.push_back(EditorChange{index, param.value, param.own, -1, EditorImage{}});
    rebuild_if_in_force(model);
    return true;
}

static int apply_image(EditorModel &model, int part, const EditorImage &image)
{
    const char *path = image.path.empty() ? nullptr : image.path.c_str();
    const int code = theme_set_image(model.look, EDITOR_PARTS[part], path, image.left, image.top, image.right,
                                     image.bottom, image.frames);
    if (code != THEME_OK) return code;
    model.images[part] = image;
    rebuild_if_in_force(model);
    return THEME_OK;
}

int editor_set_image(EditorModel &model, int part, const EditorImage &image)
{
    if (part < 0 || part >= EDITOR_PART_COUNT) return THEME_ERR_NULL;
    const EditorImage old = model.images[part];
    if (old.path.empty() && image.path.empty()) return THEME_OK;  // none, and none it stays
    const int code = apply_image(model, part, image);
    if (code == THEME_OK) model.undo.push_back(EditorChange{-1, 0, 0, part, old});
    return code;
}

void editor_read_images(EditorModel &model, const char *path)
{
    FILE *file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) return;
    std::string text;
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0 && text.size() <= LOOK_FILE_MAX_BYTES)
        text.append(block, got);
    std::fclose(file);
    std::vector<LookFileEntry> entries;
    std::vector<LookFileSyntaxProblem> problems;
    parse_look_file(text.data(), text.size(), entries, problems);
    // Names are read from the look file's directory, as the library reads
    // them; a name it refuses without the program's leave (absolute, or
    // climbing out) left the part as it was, and so does a missing file.
    const std::string dir = directory_of(path);
    for (const LookFileEntry &entry : entries) {
        if (entry.section != "images") continue;
        for (int part = 0; part < EDITOR_PART_COUNT; ++part) {
            if (entry.key != EDITOR_PARTS[part]) continue;
            EditorImage image;
            std::istringstream words(entry.value);
            if (!(words >> image.path >> image.left >> image.top >> image.right >> image.bottom)) continue;
            if (!(words >> image.frames)) image.frames = 1;
            const bool outside =
                image.path[0] == '/' || image.path[0] == '\\' || image.path.find("..") != std::string::npos;
            image.path = dir + image.path;
            if (!outside && !real_path(image.path).empty()) model.images[part] = image;
        }
    }
}

bool editor_undo(EditorModel &model)
{
    if (model.undo.empty()) return false;
    const EditorChange change = model.undo.back();
    model.undo.pop_back();
    if (change.index < 0) return apply_image(model, change.part, change.old_image) == THEME_OK;
    ThemeStyle *style = editor_style(model);
    if (!style || change.index >= style->count) return false;
    const char *name = style->param[change.index].name;
    if (change.old_own)
        theme_set_param(model.look, name, change.old_value);
    else
        theme_reset_param(model.look, name);
    rebuild_if_in_force(model);
    return true;
}

std::string editor_value_text(const ThemeParam &param)
{
    return param.kind == THEME_PARAM_COLOUR ? look_colour_text(param.value) : look_number_text(param.value);
}

bool editor_parse_value(const ThemeParam &param, const char *text, int *value)
{
    if (!text) return false;
    const std::string s = text;
    if (param.kind == THEME_PARAM_COLOUR) return parse_look_colour(s, value);
    return parse_look_number(s, value) && *value >= param.min && *value <= param.max;
}
