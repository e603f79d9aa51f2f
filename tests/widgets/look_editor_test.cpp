// The look editor's editing: a change shows at once in the look in force,
// and undo puts back both the value and whether the look followed its base.
#include <gtest/gtest.h>

#include <string>

#include "editor_model.h"
#include "pixel_helpers.h"

namespace {

int index_of(const EditorModel &model, const char *name)
{
    ThemeStyle *style = editor_style(model);
    for (int i = 0; i < style->count; ++i)
        if (std::string(style->param[i].name) == name) return i;
    return -1;
}

TEST(LookEditor, ChangesShowAtOnceAndUndoPutsBackWhatTheLookFollowed)
{
    EditorModel model;
    model.look = derive_theme("Editing", theme_gtk, nullptr, nullptr);
    ASSERT_NE(model.look, nullptr);
    ASSERT_EQ(use_theme(model.look), THEME_OK);
    const int face = index_of(model, "face");
    ASSERT_GE(face, 0);

    EXPECT_TRUE(editor_set(model, face, 0x102030));
    EXPECT_EQ(theme_bg_color, makecol(0x10, 0x20, 0x30)) << "rebuilt at once";
    EXPECT_TRUE(editor_set(model, face, 0x405060));
    EXPECT_FALSE(editor_set(model, face, 0x405060)) << "no change, nothing to undo";
    EXPECT_FALSE(editor_set(model, index_of(model, "check_size"), 999));

    ASSERT_TRUE(editor_undo(model));
    EXPECT_EQ(editor_style(model)->param[face].value, 0x102030);
    EXPECT_TRUE(editor_style(model)->param[face].own);
    ASSERT_TRUE(editor_undo(model));
    EXPECT_FALSE(editor_style(model)->param[face].own) << "follows GTK again";
    EXPECT_EQ(theme_bg_color, makecol(0xD6, 0xD6, 0xD6));
    EXPECT_FALSE(editor_undo(model));

    int value = 0;
    const ThemeParam &param = editor_style(model)->param[face];
    EXPECT_EQ(editor_value_text(param), "#D6D6D6");
    EXPECT_TRUE(editor_parse_value(param, "#0a0B0c", &value));
    EXPECT_EQ(value, 0x0A0B0C);
    EXPECT_FALSE(editor_parse_value(param, "12", &value));
    stop_theme();
    EXPECT_EQ(free_theme(model.look), THEME_OK);
}

}  // namespace
