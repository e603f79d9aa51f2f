// The registry of looks, in search order: the built-in looks, built on the
// first lookup so that a program that never asks for a look by name pays
// nothing, then the program's own looks in the order they were registered.
#include "widgets/style/look_base.h"
#include "widgets/theme.h"

Theme *ThemeRegistry[THEME_REGISTRY_CAPACITY];
int ThemeRegistryCount = 0;

static bool registry_filled = false;
static int builtin_count = 0;

void register_builtin_themes(void)
{
    if (registry_filled) return;
    registry_filled = true;

    Theme *const builtin[] = {
#define BUILTIN_LOOK(id) &id##_record,
#include "widgets/looks/builtin_looks.def"
#undef BUILTIN_LOOK
    };

    for (Theme *theme : builtin) {
        if (ThemeRegistryCount >= THEME_REGISTRY_CAPACITY) break;
        ThemeRegistry[ThemeRegistryCount++] = theme;
    }
    builtin_count = ThemeRegistryCount;
}

Theme *find_theme(const char *name)
{
    register_builtin_themes();
    if (!name) return nullptr;
    for (int i = 0; i < ThemeRegistryCount; ++i) {
        Theme *theme = ThemeRegistry[i];
        if (theme && theme->name && ustrcmp(theme->name, name) == 0) return theme;
    }
    return nullptr;
}

// The eighteen widget slots: an empty one would leave its widget invisible,
// and a dialog whose only way out is an empty button would never close.
static bool has_every_widget_slot(const Theme *theme)
{
    // clang-format off
    const ThemeDialogProc slots[] = {
        theme->box_proc,       theme->shadow_box_proc, theme->button_proc,
        theme->push_proc,      theme->check_proc,      theme->radio_proc,
        theme->icon_proc,      theme->edit_proc,       theme->list_proc,
        theme->text_list_proc, theme->textbox_proc,    theme->slider_proc,
        theme->menu_proc,      theme->window_proc,     theme->clear_proc,
        theme->text_proc,      theme->ctext_proc,      theme->rtext_proc,
    };
    // clang-format on
    for (ThemeDialogProc slot : slots)
        if (!slot) return false;
    return true;
}

// Colour cells may still be null when an init will point them (the stock
// look's way); without an init nothing ever would.
static bool has_colour_cells(const Theme *theme)
{
    return theme->init || (theme->fg_color && theme->bg_color && theme->mg_color);
}

int register_theme(Theme *theme)
{
    // The built-in looks keep their places even when a program registers
    // its own before the first lookup.
    register_builtin_themes();
    if (!theme) return THEME_ERR_NULL;
    if (!theme->name || ugetc(theme->name) == 0) return THEME_ERR_NAME;
    if (find_theme(theme->name)) return THEME_ERR_DUPLICATE;
    for (int i = 0; i < ThemeRegistryCount; ++i)
        if (ThemeRegistry[i] == theme) return THEME_ERR_DUPLICATE;
    // A slot the look leaves empty may come from its base looks.
    const Theme resolved = resolve_look(theme);
    if (!has_every_widget_slot(&resolved) || !has_colour_cells(&resolved)) return THEME_ERR_MISSING_SLOT;
    if (ThemeRegistryCount >= THEME_REGISTRY_CAPACITY) return THEME_ERR_FULL;
    ThemeRegistry[ThemeRegistryCount++] = theme;
    return THEME_OK;
}

int unregister_theme(Theme *theme)
{
    register_builtin_themes();
    if (!theme) return THEME_ERR_NULL;
    int at = -1;
    for (int i = 0; i < ThemeRegistryCount; ++i)
        if (ThemeRegistry[i] == theme) at = i;
    if (at < 0) return THEME_ERR_NOT_FOUND;
    if (at < builtin_count) return THEME_ERR_BUILTIN;
    if (theme == look_in_force) return THEME_ERR_CURRENT;
    for (int i = at; i + 1 < ThemeRegistryCount; ++i) ThemeRegistry[i] = ThemeRegistry[i + 1];
    ThemeRegistry[--ThemeRegistryCount] = nullptr;
    return THEME_OK;
}

int theme_count(void)
{
    register_builtin_themes();
    return ThemeRegistryCount;
}

Theme *theme_at(int index)
{
    register_builtin_themes();
    if (index < 0 || index >= ThemeRegistryCount) return nullptr;
    return ThemeRegistry[index];
}
