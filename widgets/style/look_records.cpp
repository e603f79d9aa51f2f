#include "widgets/style/look_records.h"

#include <cstddef>
#include <cstring>

namespace {

std::vector<std::unique_ptr<LookRecord>> records;

const LookParamTable *const BUILTIN_TABLES[] = {
#define BUILTIN_LOOK(id) &id##_param_table,
#include "widgets/looks/builtin_looks.def"
#undef BUILTIN_LOOK
};

ThemeParam param_from(const LookParamDef &def, int own)
{
    return ThemeParam{def.name, def.kind, def.value, own, def.min, def.max, def.about};
}

}  // namespace

const char *const LOOK_PART_NAMES[PART_COUNT] = {"frame", "face", "check", "radio", "thumb", "title", "menu"};

LookRecord::~LookRecord()
{
    // A look still kept when the program ends is dropped after Allegro has
    // shut down (its exit handler runs first), when destroy_bitmap would
    // reach a system driver that is gone; the process frees the memory then.
    if (!system_driver) return;
    for (LookImage &image : images)
        if (image.bitmap) destroy_bitmap(image.bitmap);
}

void set_look_image(LookRecord *record, LookPart part, const LookImage &image)
{
    LookImage &old = record->images[part];
    if (old.bitmap && old.bitmap != image.bitmap) destroy_bitmap(old.bitmap);
    old = image;
}

LookRecord *find_look_record(const Theme *look)
{
    if (!look) return nullptr;
    for (const auto &record : records)
        if (record->look == look) return record.get();
    return nullptr;
}

LookRecord *look_record(Theme *look)
{
    if (!look) return nullptr;
    if (LookRecord *known = find_look_record(look)) return known;
    auto record = std::make_unique<LookRecord>();
    record->look = look;
    relist_params(record.get());
    records.push_back(std::move(record));
    return records.back().get();
}

void forget_look_record(const Theme *look)
{
    for (auto it = records.begin(); it != records.end(); ++it) {
        if ((*it)->look != look) continue;
        records.erase(it);
        return;
    }
}

bool is_some_base(const Theme *look)
{
    for (const auto &record : records)
        if (record->base == look) return true;
    return false;
}

const LookParamTable *builtin_param_table(const Theme *look)
{
    for (const LookParamTable *table : BUILTIN_TABLES)
        if (table->look == look) return table;
    return nullptr;
}

const LookParamTable *table_holding(const LookParamDef *def)
{
    for (const LookParamTable *table : BUILTIN_TABLES)
        if (table->count > 0 && def >= table->defs && def < table->defs + table->count) return table;
    return nullptr;
}

const LookParamTable *param_table_for(const Theme *look)
{
    const Theme *root = look;
    for (int depth = 0; look && depth < LOOK_CHAIN_MAX; ++depth) {
        root = look;
        const LookRecord *record = find_look_record(look);
        look = record ? record->base : nullptr;
    }
    if (const LookParamTable *own = builtin_param_table(root)) return own;
    // A program's record copied from a built-in one draws with its init.
    for (const LookParamTable *table : BUILTIN_TABLES)
        if (root && root->init && table->look->init == root->init) return table;
    return nullptr;
}

void relist_params(LookRecord *record)
{
    const LookParamTable *table = param_table_for(record->look);
    const bool builtin = builtin_param_table(record->look) != nullptr;
    std::vector<ThemeParam> listed;
    const int count = table ? table->count : 0;
    listed.reserve(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) listed.push_back(param_from(table->defs[i], builtin ? 1 : 0));
    listed.push_back(param_from(focus_cues_param, builtin ? 1 : 0));
    // Keep what the look set of the parameters it still has.
    for (ThemeParam &param : listed)
        for (const ThemeParam &old : record->params)
            if (old.own && std::strcmp(old.name, param.name) == 0) {
                param.value = old.value;
                param.own = 1;
            }
    record->table = table;
    record->params = std::move(listed);
    record->style.count = static_cast<int>(record->params.size());
    record->style.param = record->params.data();
}
