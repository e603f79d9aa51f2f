// What the library keeps about a look beyond its Theme record, which has no
// room for it: the base look it falls back on, its parameters, and, for the
// looks derive_theme and load_theme make, the record and name themselves.
// Kept by the look's address; a built-in look's entry is made on first use.
#ifndef WIDGETS_STYLE_LOOK_RECORDS_H
#define WIDGETS_STYLE_LOOK_RECORDS_H

#include "widgets/style/look_params.h"

#include <memory>
#include <string>
#include <vector>

// The widget parts a look file may draw from images.
enum LookPart { PART_FRAME, PART_FACE, PART_CHECK, PART_RADIO, PART_THUMB, PART_TITLE, PART_MENU, PART_COUNT };
extern const char *const LOOK_PART_NAMES[PART_COUNT];

// A nine-slice image: `frames` pictures of equal width side by side, each
// drawn with its margins kept and its edges and middle stretched.
struct LookImage {
    BITMAP *bitmap = nullptr;
    int left = 0, top = 0, right = 0, bottom = 0;
    int frames = 1;
    std::string file;  // as the look file named it
};

struct LookRecord {
    Theme *look = nullptr;
    Theme *base = nullptr;
    // Whose parameters `params` lists: the table of the built-in look at the
    // end of the base looks; null for a look with none.
    const LookParamTable *table = nullptr;
    std::vector<ThemeParam> params;  // the table's rows, then "focus_cues"
    ThemeStyle style = {0, nullptr};
    // A look the library made: its record and name live here.
    std::unique_ptr<Theme> made;
    std::string name;
    LookImage images[PART_COUNT];

    LookRecord() = default;
    LookRecord(const LookRecord &) = delete;
    LookRecord &operator=(const LookRecord &) = delete;
    ~LookRecord();
};

// Replaces (or, with a null bitmap, removes) the image of a part.
void set_look_image(LookRecord *record, LookPart part, const LookImage &image);

// The entry of `look`, or null when it has none yet.
LookRecord *find_look_record(const Theme *look);
// The entry of `look`, made when missing (null only for a null look or when
// memory runs out).
LookRecord *look_record(Theme *look);
// Drops the entry of `look` (and with it a made look's record).
void forget_look_record(const Theme *look);
// True when some look names `look` as its base.
bool is_some_base(const Theme *look);

// The table of a built-in look, or null.
const LookParamTable *builtin_param_table(const Theme *look);
// The built-in table `def` is a row of, or null.
const LookParamTable *table_holding(const LookParamDef *def);
// The table a look's parameters come from: that of the built-in look at the
// end of its bases, or of the built-in look whose init it copied.
const LookParamTable *param_table_for(const Theme *look);
// Lists the table's parameters in the entry again (after a change of base),
// keeping the values it set of those that remain.
void relist_params(LookRecord *record);
// Fills `value` of the parameters the look follows from its base.
void refresh_params(LookRecord *record);

// At most this many looks from a look to the end of its bases.
enum { LOOK_CHAIN_MAX = 16 };

#endif
