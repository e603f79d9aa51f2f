// The widget layer as seen from inside this tree: the public interface
// (sloopgui/theme.h, what the library installs) and the registry's and edit
// support's own state, which the looks and the tests reach but a program
// linking the shared library does not.
#ifndef WIDGETS_THEME_H
#define WIDGETS_THEME_H

#include "sloopgui/theme.h"

// The registry: the seven built-in looks first, filled on the first lookup
// or registration, then the program's own looks.
enum { THEME_REGISTRY_CAPACITY = SLOOPGUI_REGISTRY_CAPACITY };
extern Theme *ThemeRegistry[THEME_REGISTRY_CAPACITY];
extern int ThemeRegistryCount;
void register_builtin_themes(void);

// Number of shifted_edit_proc calls in progress.
extern int edit_shift_depth;

#endif
