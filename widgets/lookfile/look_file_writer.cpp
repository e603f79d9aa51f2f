// Writing a look as a look file: what makes it differ from its base, so the
// file keeps following the base in everything else.
#include "widgets/lookfile/look_file_paths.h"
#include "widgets/lookfile/look_file_text.h"
#include "widgets/style/look_records.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The value parameter `name` has without this look's own setting: its
// base's, or for a look without a base the built-in default.
bool differs_from_base(Theme *theme, const LookRecord &record, const ThemeParam &param, int index)
{
    int base_value = 0;
    if (record.base) {
        if (theme_get_param(record.base, param.name, &base_value) != THEME_OK) return true;
    } else if (record.table && index < record.table->count) {
        base_value = record.table->defs[index].value;
    } else {
        base_value = focus_cues_param.value;
    }
    (void)theme;
    return param.value != base_value;
}

}  // namespace

int save_theme_file(Theme *theme, const char *path)
{
    if (!theme || !path) return THEME_ERR_NULL;
    theme_style(theme);  // fills the values the look follows
    const LookRecord *record = look_record(theme);
    if (!record) return THEME_ERR_MEMORY;

    std::vector<LookFileEntry> entries;
    add_look_file_entry(entries, {0, "", "version", look_number_text(THEME_FILE_VERSION)});
    if (theme->name) add_look_file_entry(entries, {0, "", "name", theme->name});
    // A built-in look is saved as its own base: the file names what it changes.
    const Theme *base = record->base ? record->base : (builtin_param_table(theme) ? theme : nullptr);
    if (base && base->name) add_look_file_entry(entries, {0, "", "base", base->name});
    for (int i = 0; i < static_cast<int>(record->params.size()); ++i) {
        const ThemeParam &param = record->params[i];
        if (!param.own || !differs_from_base(theme, *record, param, i)) continue;
        const std::string value =
            param.kind == THEME_PARAM_COLOUR ? look_colour_text(param.value) : look_number_text(param.value);
        add_look_file_entry(entries, {0, "params", param.name, value});
    }
    for (int part = 0; part < PART_COUNT; ++part) {
        const LookImage &image = record->images[part];
        if (!image.bitmap) continue;
        std::string value = image_name_from(path, image.file) + " " + look_number_text(image.left) + " " +
                            look_number_text(image.top) + " " + look_number_text(image.right) + " " +
                            look_number_text(image.bottom);
        if (image.frames != 1) value += " " + look_number_text(image.frames);
        add_look_file_entry(entries, {0, "images", LOOK_PART_NAMES[part], value});
    }

    const std::string text = "# A sloopgui look\n" + look_file_text(entries);
    FILE *file = std::fopen(path, "wb");
    if (!file) return THEME_ERR_FILE;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    if (!closed || !written) return THEME_ERR_FILE;
    return THEME_OK;
}
