// The widget layer as seen from inside this tree: the public interface
// (sloopgui/theme.h, what the library installs) and the registry's and edit
// support's own state, which the looks and the tests reach but a program
// linking the shared library does not.
#ifndef WIDGETS_THEME_H
#define WIDGETS_THEME_H

#include "sloopgui/theme.h"

// The registry: the built-in looks first (looks/builtin_looks.def), filled
// on the first lookup or registration, then the program's own looks.
enum { THEME_REGISTRY_CAPACITY = SLOOPGUI_REGISTRY_CAPACITY };
extern Theme *ThemeRegistry[THEME_REGISTRY_CAPACITY];
extern int ThemeRegistryCount;
void register_builtin_themes(void);

// Number of shifted_edit_proc calls in progress.
extern int edit_shift_depth;

// The look in force. The library reads this, never the exported
// current_theme: in the shared library a program's own global of that name
// would take the exported one over. current_theme only mirrors it.
extern Theme *look_in_force;

// The built-in records themselves, for the same reason reached directly
// rather than through the exported theme_gtk, theme_photon, ... pointers:
// gtk_record, photon_record, ..., one per line of the list.
#define BUILTIN_LOOK(id) extern Theme id##_record;
#include "widgets/looks/builtin_looks.def"
#undef BUILTIN_LOOK

#endif
