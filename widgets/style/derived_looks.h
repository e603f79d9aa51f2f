// Looks made by the library (derive_theme, load_theme).
#ifndef WIDGETS_STYLE_DERIVED_LOOKS_H
#define WIDGETS_STYLE_DERIVED_LOOKS_H

#include "widgets/theme.h"

// A new, unregistered record named `name` (copied) falling back on `base`
// (may be null), owned by the library; null with the reason in *error.
Theme *make_look(const char *name, Theme *base, int *error);

#endif
