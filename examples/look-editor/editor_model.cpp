#include "editor_model.h"

#include "widgets/look_file_text.h"

ThemeStyle *editor_style(const EditorModel &model)
{
    return theme_style(model.look);
}

static void rebuild_if_in_force(const EditorModel &model)
{
    if (current_theme == model.look) rebuild_theme();
}

bool editor_set(EditorModel &model, int index, int value)
{
    ThemeStyle *style = editor_style(model);
    if (!style || index < 0 || index >= style->count) return false;
    const ThemeParam param = style->param[index];
    if (param.value == value && param.own) return false;
    if (theme_set_param(model.look, param.name, value) != THEME_OK) return false;
    model.undo.push_back(EditorChange{index, param.value, param.own});
    rebuild_if_in_force(model);
    return true;
}

bool editor_undo(EditorModel &model)
{
    if (model.undo.empty()) return false;
    const EditorChange change = model.undo.back();
    model.undo.pop_back();
    ThemeStyle *style = editor_style(model);
    if (!style || change.index >= style->count) return false;
    const char *name = style->param[change.index].name;
    if (change.old_own)
        theme_set_param(model.look, name, change.old_value);
    else
        theme_reset_param(model.look, name);
    rebuild_if_in_force(model);
    return true;
}

std::string editor_value_text(const ThemeParam &param)
{
    return param.kind == THEME_PARAM_COLOUR ? look_colour_text(param.value) : look_number_text(param.value);
}

bool editor_parse_value(const ThemeParam &param, const char *text, int *value)
{
    if (!text) return false;
    const std::string s = text;
    if (param.kind == THEME_PARAM_COLOUR) return parse_look_colour(s, value);
    return parse_look_number(s, value) && *value >= param.min && *value <= param.max;
}
