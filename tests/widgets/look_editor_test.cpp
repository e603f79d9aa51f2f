// The look editor's editing: a change shows at once in the look in force,
// and undo puts back both the value and whether the look followed its base,
// or the image a part had, even one a loaded file gave it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
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

TEST(LookEditor, UndoPutsBackTheImageALoadedFileGaveAPart)
{
    char templ[] = "/tmp/look-editor-XXXXXX";
    ASSERT_NE(mkdtemp(templ), nullptr);
    const std::string dir = templ;
    BITMAP *image = create_bitmap(9, 9);
    ASSERT_NE(image, nullptr);
    clear_to_color(image, makecol(0, 0, 255));
    for (const char *name : {"/a.bmp", "/b.bmp"}) save_bitmap((dir + name).c_str(), image, nullptr);
    destroy_bitmap(image);
    const std::string path = dir + "/framed.look";
    std::ofstream(path) << "version = 1\nbase = GTK\n[images]\nframe = a.bmp 3 3 3 3\n";

    EditorModel model;
    model.look = derive_theme("Editing images", theme_gtk, nullptr, nullptr);
    ASSERT_NE(model.look, nullptr);
    ASSERT_EQ(load_theme_file(model.look, path.c_str(), 0, nullptr, nullptr), THEME_OK);
    editor_read_images(model, path.c_str());
    EXPECT_EQ(model.images[0].path, dir + "/a.bmp");
    EXPECT_EQ(model.images[0].left, 3);
    EXPECT_TRUE(model.images[1].path.empty());

    EditorImage other;
    other.path = dir + "/b.bmp";
    other.left = other.top = other.right = other.bottom = 2;
    ASSERT_EQ(editor_set_image(model, 0, other), THEME_OK);
    ASSERT_EQ(editor_set_image(model, 0, EditorImage{}), THEME_OK);
    EXPECT_EQ(editor_set_image(model, 0, EditorImage{}), THEME_OK) << "none, and nothing to undo";
    ASSERT_TRUE(editor_undo(model));
    EXPECT_EQ(model.images[0].path, other.path);
    ASSERT_TRUE(editor_undo(model));
    EXPECT_FALSE(editor_undo(model));
    const std::string saved = dir + "/saved.look";
    ASSERT_EQ(save_theme_file(model.look, saved.c_str()), THEME_OK);
    std::stringstream text;
    text << std::ifstream(saved).rdbuf();
    EXPECT_NE(text.str().find("frame = a.bmp 3 3 3 3\n"), std::string::npos) << text.str();

    EXPECT_EQ(free_theme(model.look), THEME_OK);
    for (const char *name : {"/a.bmp", "/b.bmp", "/framed.look", "/saved.look"}) std::remove((dir + name).c_str());
    rmdir(templ);
}

}  // namespace
