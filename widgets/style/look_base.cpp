#include "widgets/style/look_base.h"

#include "widgets/style/look_records.h"

Theme look_resolved = {};

namespace {

typedef ThemeDialogProc Theme::*Slot;
typedef int *Theme::*Cell;
typedef void (*Theme::*Hook)(void);

// clang-format off
const Slot SLOTS[] = {
    &Theme::box_proc,       &Theme::shadow_box_proc, &Theme::button_proc,
    &Theme::push_proc,      &Theme::check_proc,      &Theme::radio_proc,
    &Theme::icon_proc,      &Theme::edit_proc,       &Theme::list_proc,
    &Theme::text_list_proc, &Theme::textbox_proc,    &Theme::slider_proc,
    &Theme::menu_proc,      &Theme::window_proc,     &Theme::clear_proc,
    &Theme::text_proc,      &Theme::ctext_proc,      &Theme::rtext_proc,
};
const Cell CELLS[] = {&Theme::fg_color, &Theme::bg_color, &Theme::mg_color};
const Hook HOOKS[] = {&Theme::init, &Theme::shutdown};
// clang-format on

template <typename Member, int N> void fill_from(Theme &into, const Theme &from, const Member (&members)[N])
{
    for (Member member : members)
        if (!(into.*member)) into.*member = from.*member;
}

}  // namespace

Theme resolve_look(const Theme *look)
{
    Theme resolved = {};
    if (!look) return resolved;
    resolved = *look;
    const LookRecord *record = find_look_record(look);
    const Theme *base = record ? record->base : nullptr;
    for (int depth = 0; base && depth < LOOK_CHAIN_MAX; ++depth) {
        fill_from(resolved, *base, SLOTS);
        fill_from(resolved, *base, CELLS);
        fill_from(resolved, *base, HOOKS);
        record = find_look_record(base);
        base = record ? record->base : nullptr;
    }
    return resolved;
}

void resolve_look_in_force(void)
{
    look_resolved = resolve_look(look_in_force);
}

int theme_set_base(Theme *theme, Theme *base)
{
    if (!theme) return THEME_ERR_NULL;
    // The base, and its bases in turn, must not come back to the look.
    const Theme *along = base;
    for (int depth = 0; along; ++depth) {
        if (along == theme || depth >= LOOK_CHAIN_MAX - 1) return THEME_ERR_BASE;
        const LookRecord *record = find_look_record(along);
        along = record ? record->base : nullptr;
    }
    // The look in force keeps the bases it was started with.
    for (const Theme *in_force = look_in_force; in_force;) {
        if (in_force == theme) return THEME_ERR_CURRENT;
        const LookRecord *record = find_look_record(in_force);
        in_force = record ? record->base : nullptr;
    }
    LookRecord *record = look_record(theme);
    if (!record) return THEME_ERR_MEMORY;
    record->base = base;
    relist_params(record);
    return THEME_OK;
}

Theme *theme_base(const Theme *theme)
{
    const LookRecord *record = find_look_record(theme);
    return record ? record->base : nullptr;
}
