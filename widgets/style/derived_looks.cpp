// Looks the library makes for the program: a new record that falls back on
// a base look for everything, with some parameters changed. The record and
// its name belong to the library until free_theme.
#include "widgets/style/derived_looks.h"

#include "widgets/style/look_records.h"

#include <new>

Theme *make_look(const char *name, Theme *base, int *error)
{
    int code = THEME_OK;
    Theme *look = nullptr;
    if (!name || ugetc(name) == 0) code = THEME_ERR_NAME;
    if (code == THEME_OK) {
        std::unique_ptr<Theme> made(new (std::nothrow) Theme());
        LookRecord *record = made ? look_record(made.get()) : nullptr;
        if (!record) {
            code = THEME_ERR_MEMORY;
        } else {
            record->name = name;
            made->name = record->name.c_str();
            look = made.get();
            record->made = std::move(made);
            if (base) code = theme_set_base(look, base);
        }
    }
    if (code != THEME_OK && look) {
        forget_look_record(look);
        look = nullptr;
    }
    if (error) *error = code;
    return look;
}

Theme *derive_theme(const char *name, Theme *base, const ThemeSetting *changes, int *error)
{
    if (!base) {
        if (error) *error = THEME_ERR_NULL;
        return nullptr;
    }
    int code = THEME_OK;
    Theme *look = make_look(name, base, &code);
    for (const ThemeSetting *change = changes; look && code == THEME_OK && change && change->name; ++change)
        code = theme_set_param(look, change->name, change->value);
    if (look && code == THEME_OK) code = register_theme(look);
    if (look && code != THEME_OK) {
        forget_look_record(look);
        look = nullptr;
    }
    if (error) *error = code;
    return look;
}

int free_theme(Theme *theme)
{
    if (!theme) return THEME_ERR_NULL;
    const LookRecord *record = find_look_record(theme);
    if (!record || !record->made) return THEME_ERR_NOT_FOUND;
    if (theme == look_in_force) return THEME_ERR_CURRENT;
    if (is_some_base(theme)) return THEME_ERR_BASE;
    unregister_theme(theme);
    forget_look_record(theme);
    return THEME_OK;
}
