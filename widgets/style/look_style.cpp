// Style parameters: a look's colours and metrics by name. A built-in look
// owns all of its own; a look of the program's lists those of the built-in
// look it ends on and follows its base in each one it does not set. The
// looks' init read them through look_value, so a change shows from the next
// use_theme or rebuild_theme.
#include "widgets/style/look_records.h"

#include <cstring>

const LookParamDef focus_cues_param = {
    "focus_cues", THEME_PARAM_SWITCH, 0, 0, 1, "the library's focus and disabled cues wanted by this look"};

namespace {

// The value of row `index` of `table` as `look` sees it: the first look
// from it along its bases that sets it, else the built-in look's own.
int resolve_param(const Theme *look, const LookParamTable *table, int index)
{
    for (int depth = 0; look && depth < LOOK_CHAIN_MAX; ++depth) {
        const LookRecord *record = find_look_record(look);
        if (!record) break;
        if (record->table == table && index < static_cast<int>(record->params.size()) && record->params[index].own)
            return record->params[index].value;
        look = record->base;
    }
    if (!table) return focus_cues_param.value;
    const LookRecord *builtin = look_record(table->look);
    if (builtin && index < static_cast<int>(builtin->params.size())) return builtin->params[index].value;
    return index < table->count ? table->defs[index].value : focus_cues_param.value;
}

ThemeParam *param_named(LookRecord *record, const char *name)
{
    if (!record || !name) return nullptr;
    for (ThemeParam &param : record->params)
        if (std::strcmp(param.name, name) == 0) return &param;
    return nullptr;
}

}  // namespace

void refresh_params(LookRecord *record)
{
    for (int i = 0; i < static_cast<int>(record->params.size()); ++i) {
        ThemeParam &param = record->params[i];
        if (!param.own) param.value = resolve_param(record->base, record->table, i);
    }
}

int look_value(const LookParamDef &def)
{
    const LookParamTable *table = table_holding(&def);
    if (!table) return def.value;
    return resolve_param(look_in_force, table, static_cast<int>(&def - table->defs));
}

int look_colour_value(const LookParamDef &def)
{
    const int rgb = look_value(def);
    return makecol((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int scaled_to_font(int pixels)
{
    const int th = font ? text_height(font) : 8;
    return th == 8 ? pixels : pixels * th / 8;
}

int look_size_value(const LookParamDef &def)
{
    return scaled_to_font(look_value(def));
}

int look_wants_focus_cues(void)
{
    if (!look_in_force) return 0;
    const LookParamTable *table = param_table_for(look_in_force);
    return resolve_param(look_in_force, table, table ? table->count : 0);
}

ThemeStyle *theme_style(Theme *theme)
{
    LookRecord *record = look_record(theme);
    if (!record) return nullptr;
    refresh_params(record);
    return &record->style;
}

int theme_get_param(Theme *theme, const char *name, int *value)
{
    if (!theme || !name || !value) return THEME_ERR_NULL;
    LookRecord *record = look_record(theme);
    if (!record) return THEME_ERR_MEMORY;
    refresh_params(record);
    const ThemeParam *param = param_named(record, name);
    if (!param) return THEME_ERR_PARAM;
    *value = param->value;
    return THEME_OK;
}

int theme_set_param(Theme *theme, const char *name, int value)
{
    if (!theme || !name) return THEME_ERR_NULL;
    ThemeParam *param = param_named(look_record(theme), name);
    if (!param) return THEME_ERR_PARAM;
    if (value < param->min || value > param->max) return THEME_ERR_VALUE;
    param->value = value;
    param->own = 1;
    return THEME_OK;
}

int theme_reset_param(Theme *theme, const char *name)
{
    if (!theme || !name) return THEME_ERR_NULL;
    LookRecord *record = look_record(theme);
    ThemeParam *param = param_named(record, name);
    if (!param) return THEME_ERR_PARAM;
    const int index = static_cast<int>(param - record->params.data());
    if (builtin_param_table(theme)) {
        param->value = index < record->table->count ? record->table->defs[index].value : focus_cues_param.value;
        return THEME_OK;
    }
    param->own = 0;
    refresh_params(record);
    return THEME_OK;
}
