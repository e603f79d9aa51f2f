// What the look editor edits: one look's parameters, each change applied at
// once (rebuild_theme) and kept for undo.
#ifndef LOOK_EDITOR_MODEL_H
#define LOOK_EDITOR_MODEL_H

#include <string>
#include <vector>

#include "widgets/theme.h"

// The widget parts a look may draw from images, as look files name them.
enum { EDITOR_PART_COUNT = 7 };
extern const char *const EDITOR_PARTS[EDITOR_PART_COUNT];

// The image a part is drawn from, with its nine-slice margins and frames;
// an empty path for none.
struct EditorImage {
    std::string path;
    int left = 0, top = 0, right = 0, bottom = 0, frames = 1;
};

struct EditorChange {
    int index;  // the parameter's place in the look's style; -1 for an image
    int old_value;
    int old_own;
    int part;               // for an image: the part
    EditorImage old_image;  // for an image: what the part had
};

struct EditorModel {
    Theme *look = nullptr;
    std::vector<EditorChange> undo;
    EditorImage images[EDITOR_PART_COUNT];  // what each part is drawn from
};

// The look's parameters (never null for a look).
ThemeStyle *editor_style(const EditorModel &model);

// Sets parameter `index` to `value`, keeping the old one for undo, and
// rebuilds the look when it is in force; false when the value is refused
// or unchanged.
bool editor_set(EditorModel &model, int index, int value);

// Draws `part` from `image` (none for an empty path), keeping the old one
// for undo, and rebuilds the look when it is in force. theme_set_image's
// code; nothing is kept when it refuses.
int editor_set_image(EditorModel &model, int part, const EditorImage &image);

// Learns which images the look file at `path`, just loaded into the look,
// gave its parts (the others keep theirs), so undo can bring them back.
void editor_read_images(EditorModel &model, const char *path);

// Takes back the last change, of a parameter or an image; false when there
// is none.
bool editor_undo(EditorModel &model);

// A parameter's value as a look file writes it ("#RRGGBB" or a number),
// and read back from such text; false for text that is not one.
std::string editor_value_text(const ThemeParam &param);
bool editor_parse_value(const ThemeParam &param, const char *text, int *value);

#endif
