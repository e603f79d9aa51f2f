// The registry of built-in looks, in search order. Built on the first
// lookup so that a program that never asks for a look by name pays nothing.
#include "widgets/theme.h"

Theme *ThemeRegistry[THEME_REGISTRY_CAPACITY];
int ThemeRegistryCount = 0;

static bool registry_filled = false;

void register_builtin_themes(void)
{
    if (registry_filled) return;
    registry_filled = true;

    // clang-format off
    Theme *const builtin[] = {
        theme_gtk,
        theme_photon,
        theme_win95,
        theme_ase,
        theme_beos,
        theme_nextstep,
        theme_allegro,
    };
    // clang-format on

    for (Theme *theme : builtin) {
        if (ThemeRegistryCount >= THEME_REGISTRY_CAPACITY) break;
        ThemeRegistry[ThemeRegistryCount++] = theme;
    }
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
