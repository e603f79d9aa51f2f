// A built-in look's colours and metrics as named parameters. Each look keeps
// a table of them (name, kind, its own value, range, where it shows) and its
// init reads every value through look_value, which asks the look in force
// first: a look of the program's that falls back on this one, and sets some
// parameters itself, is drawn by this look's procedures in its own colours.
#ifndef WIDGETS_STYLE_LOOK_PARAMS_H
#define WIDGETS_STYLE_LOOK_PARAMS_H

#include "widgets/theme.h"

struct LookParamDef {
    const char *name;
    int kind;   // THEME_PARAM_COLOUR, _SIZE, _PIXELS, _SWITCH
    int value;  // the look's own: 0xRRGGBB, pixels, 0 or 1
    int min, max;
    const char *about;
};

struct LookParamTable {
    Theme *look;  // the built-in look that owns the table
    const LookParamDef *defs;
    int count;
};

template <int N> constexpr LookParamTable look_param_table(Theme *look, const LookParamDef (&defs)[N])
{
    return LookParamTable{look, defs, N};
}

// Rows for colour, size and pixel parameters, so the tables stay one line
// each.
constexpr LookParamDef colour_param(const char *name, int rgb, const char *about)
{
    return LookParamDef{name, THEME_PARAM_COLOUR, rgb, 0, 0xFFFFFF, about};
}
constexpr LookParamDef size_param(const char *name, int pixels, int max, const char *about)
{
    return LookParamDef{name, THEME_PARAM_SIZE, pixels, 1, max, about};
}
constexpr LookParamDef pixels_param(const char *name, int pixels, int min, int max, const char *about)
{
    return LookParamDef{name, THEME_PARAM_PIXELS, pixels, min, max, about};
}

// The value in force of `def` (a row of a built-in look's table) for the
// look in force: its own setting, else its base's, ..., else the built-in
// look's current value.
int look_value(const LookParamDef &def);

// A colour parameter as a colour of the screen's depth (makecol).
int look_colour_value(const LookParamDef &def);

// A size parameter scaled to the font: value * text_height(font) / 8, so an
// 8-pixel font gives the value itself.
int look_size_value(const LookParamDef &def);
int scaled_to_font(int pixels);

// The parameter every look has: whether it wants the library's focus cues.
extern const LookParamDef focus_cues_param;
// Whether the look in force (or the base it follows) wants them: 0 or 1.
int look_wants_focus_cues(void);

// The tables of the built-in looks (each in its look's params.cpp):
// gtk_param_table, ..., one per line of the list.
#define BUILTIN_LOOK(id) extern const LookParamTable id##_param_table;
#include "widgets/looks/builtin_looks.def"
#undef BUILTIN_LOOK

#endif
