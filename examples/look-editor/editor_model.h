// What the look editor edits: one look's parameters, each change applied at
// once (rebuild_theme) and kept for undo.
#ifndef LOOK_EDITOR_MODEL_H
#define LOOK_EDITOR_MODEL_H

#include <string>
#include <vector>

#include "widgets/theme.h"

struct EditorChange {
    int index;  // the parameter's place in the look's style
    int old_value;
    int old_own;
};

struct EditorModel {
    Theme *look = nullptr;
    std::vector<EditorChange> undo;
};

// The look's parameters (never null for a look).
ThemeStyle *editor_style(const EditorModel &model);

// Sets parameter `index` to `value`, keeping the old one for undo, and
// rebuilds the look when it is in force; false when the value is refused
// or unchanged.
bool editor_set(EditorModel &model, int index, int value);

// Takes back the last change; false when there is none.
bool editor_undo(EditorModel &model);

// A parameter's value as a look file writes it ("#RRGGBB" or a number),
// and read back from such text; false for text that is not one.
std::string editor_value_text(const ThemeParam &param);
bool editor_parse_value(const ThemeParam &param, const char *text, int *value);

#endif
