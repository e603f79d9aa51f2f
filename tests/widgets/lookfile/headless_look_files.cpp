// Look files: a file read into a look changes what it draws; a hostile file
// has every bad line reported with its line, key and code while the good
// ones still apply, and reads nothing outside its directory; a saved look
// reads back the same; widget parts are drawn from nine-slice images.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

struct Problem {
    int line;
    std::string key;
    int code;
};

void collect(void *user, int line, const char *key, int code, const char *message)
{
    EXPECT_NE(message, nullptr);
    EXPECT_STRNE(message, "");
    static_cast<std::vector<Problem> *>(user)->push_back({line, key, code});
}

struct LookFiles : testing::Test {
    std::string dir;
    std::vector<std::string> files;
    std::vector<Theme *> made;
    std::vector<Problem> problems;

    void SetUp() override
    {
        stop_theme();
        clear_test_screen();
        char templ[] = "/tmp/look-files-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
    }
    void TearDown() override
    {
        stop_theme();
        for (auto it = made.rbegin(); it != made.rend(); ++it) free_theme(*it);
        for (auto it = files.rbegin(); it != files.rend(); ++it) remove(it->c_str());
        rmdir(dir.c_str());
    }
    std::string write(const std::string &name, const std::string &text)
    {
        std::string path = dir + "/" + name;
        FILE *f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        files.push_back(path);
        return path;
    }
    Theme *derived(const char *name, Theme *base)
    {
        Theme *look = derive_theme(name, base, nullptr, nullptr);
        if (look) made.push_back(look);
        return look;
    }
    bool reported(int line, const char *key, int code) const
    {
        for (const Problem &p : problems)
            if (p.line == line && p.key == key && p.code == code) return true;
        return false;
    }
};

int param(Theme *look, const char *name)
{
    int value = -1;
    theme_get_param(look, name, &value);
    return value;
}

TEST_F(LookFiles, AHostileFileHasEveryBadLineReportedAndTheRestApplied)
{
    Theme *look = derived("Hostile", theme_photon);
    ASSERT_NE(look, nullptr);
    write("outside.bmp", "BM");
    const std::string path = write("hostile.look",
                                   "version = 1\n"                     // 1
                                   "name = Ignored here\n"             // 2
                                   "base = GTK\n"                      // 3
                                   "colour of the sea\n"               // 4: no '='
                                   "[params]\n"                        // 5
                                   "face = #102030\n"                  // 6: applied
                                   "select = 102030\n"                 // 7: no '#'
                                   "check_size = 999\n"                // 8: out of range
                                   "title_start = #FFFFFF\n"           // 9: Photon's, not GTK's
                                   "scrollbar_width = 20\r\n"          // 10: applied, CRLF
                                   "[images]\n"                        // 11
                                   "frame = ../outside.bmp 1 1 1 1\n"  // 12: outside
                                   "face = /etc/passwd 1 1 1 1\n"      // 13: absolute
                                   "wheel = w.bmp 1 1 1 1\n"           // 14: no such part
                                   "check = missing.bmp 1 1 1 1\n"     // 15: cannot be read
                                   "[sails]\n"                         // 16
                                   "mast = 3\n"                        // 17: unknown section
                                   "[broken\n"                         // 18
                                   "" + std::string(2000, 'x') +
                                       " = 1\n" +                       // 19: too long
                                       "tick = \x01\n"                  // 20: control character
                                       "[images]\n"                     // 21
                                       "check = other.bmp 1 1 1 1\n");  // 22: the part again
    EXPECT_EQ(load_theme_file(look, path.c_str(), 0, collect, &problems), THEME_ERR_PROBLEMS);
    EXPECT_EQ(theme_base(look), theme_gtk);
    EXPECT_EQ(param(look, "face"), 0x102030);
    EXPECT_EQ(param(look, "scrollbar_width"), 20);
    EXPECT_EQ(param(look, "select"), 0x00009C) << "a refused line changes nothing";
    EXPECT_EQ(param(look, "check_size"), 10);

    EXPECT_TRUE(reported(4, "", THEME_ERR_SYNTAX));
    EXPECT_TRUE(reported(7, "select", THEME_ERR_VALUE));
    EXPECT_TRUE(reported(8, "check_size", THEME_ERR_VALUE));
    EXPECT_TRUE(reported(9, "title_start", THEME_ERR_PARAM));
    EXPECT_TRUE(reported(12, "frame", THEME_ERR_PATH));
    EXPECT_TRUE(reported(13, "face", THEME_ERR_PATH));
    EXPECT_TRUE(reported(14, "wheel", THEME_ERR_KEY));
    EXPECT_TRUE(reported(15, "check", THEME_ERR_IMAGE));
    EXPECT_TRUE(reported(17, "mast", THEME_ERR_KEY));
    EXPECT_TRUE(reported(18, "", THEME_ERR_SYNTAX));
    EXPECT_TRUE(reported(19, "", THEME_ERR_SYNTAX));
    EXPECT_TRUE(reported(20, "", THEME_ERR_SYNTAX));
    EXPECT_TRUE(reported(22, "check", THEME_ERR_KEY));
    EXPECT_EQ(problems.size(), 13u);

    // A link inside the directory that leads out of it is outside too.
    ASSERT_EQ(symlink("/etc/hostname", (dir + "/sneaky.bmp").c_str()), 0);
    files.push_back(dir + "/sneaky.bmp");
    problems.clear();
    const std::string linked = write("linked.look", "version = 1\n[images]\nframe = sneaky.bmp 1 1 1 1\n");
    EXPECT_EQ(load_theme_file(look, linked.c_str(), 0, collect, &problems), THEME_ERR_PROBLEMS);
    EXPECT_TRUE(reported(3, "frame", THEME_ERR_PATH));
}

TEST_F(LookFiles, WhatCannotBeReadIsRefusedWholeAndAVersionIsRequired)
{
    Theme *look = derived("Refused", theme_gtk);
    ASSERT_NE(look, nullptr);
    EXPECT_EQ(load_theme_file(look, (dir + "/none.look").c_str(), 0, collect, &problems), THEME_ERR_FILE);
    EXPECT_TRUE(reported(0, "", THEME_ERR_FILE));

    problems.clear();
    std::string big = "version = 1\n[params]\nface = #102030\n";
    while (big.size() <= THEME_FILE_MAX_BYTES) big += "# padding padding padding padding padding\n";
    EXPECT_EQ(load_theme_file(look, write("big.look", big).c_str(), 0, collect, &problems), THEME_ERR_FILE);
    EXPECT_EQ(param(look, "face"), 0xD6D6D6) << "nothing of a refused file applies";

    problems.clear();
    const std::string unversioned = write("old.look", "[params]\nface = #102030\n");
    EXPECT_EQ(load_theme_file(look, unversioned.c_str(), 0, collect, &problems), THEME_ERR_PROBLEMS);
    EXPECT_TRUE(reported(2, "version", THEME_ERR_VERSION));
    EXPECT_EQ(param(look, "face"), 0x102030) << "the rest still applies";

    problems.clear();
    const std::string later = write("new.look", "version = 2\nbase = Nowhere\n");
    EXPECT_EQ(load_theme_file(look, later.c_str(), 0, collect, &problems), THEME_ERR_PROBLEMS);
    EXPECT_TRUE(reported(1, "version", THEME_ERR_VERSION));
    EXPECT_TRUE(reported(2, "base", THEME_ERR_BASE));
    EXPECT_EQ(theme_base(look), theme_gtk);
}

TEST_F(LookFiles, ASavedLookHoldsItsDifferencesAndReadsBackTheSame)
{
    const ThemeSetting changes[] = {{"face", 0x204060}, {"check_size", 14}, {"focus_cues", 1}, {nullptr, 0}};
    Theme *look = derive_theme("Saved", theme_win95, changes, nullptr);
    ASSERT_NE(look, nullptr);
    made.push_back(look);
    // Set to what the base has: no difference, so not written.
    ASSERT_EQ(theme_set_param(look, "black", 0x000000), THEME_OK);
    const std::string path = dir + "/saved.look";
    files.push_back(path);
    ASSERT_EQ(save_theme_file(look, path.c_str()), THEME_OK);

    FILE *f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char text[4096] = {};
    std::fread(text, 1, sizeof text - 1, f);
    std::fclose(f);
    EXPECT_NE(std::string(text).find("version = 1\nname = Saved\nbase = Win95\n"), std::string::npos) << text;
    EXPECT_NE(std::string(text).find("face = #204060\n"), std::string::npos) << text;
    EXPECT_EQ(std::string(text).find("black"), std::string::npos) << text;

    EXPECT_EQ(free_theme(look), THEME_OK);
    made.clear();
    int error = 0;
    Theme *again = load_theme(path.c_str(), 0, collect, &problems, &error);
    ASSERT_NE(again, nullptr);
    made.push_back(again);
    EXPECT_EQ(error, THEME_OK);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(find_theme("Saved"), again);
    EXPECT_EQ(theme_base(again), theme_win95);
    EXPECT_EQ(param(again, "face"), 0x204060);
    EXPECT_EQ(param(again, "check_size"), 14);
    EXPECT_EQ(param(again, "focus_cues"), 1);

    EXPECT_EQ(load_theme(path.c_str(), 0, nullptr, nullptr, &error), nullptr);
    EXPECT_EQ(error, THEME_ERR_DUPLICATE) << "its name is taken now";
}

// A 9x9 frame: a red border, a green ring inside it, a blue middle.
std::string write_frame_image(const std::string &path)
{
    BITMAP *image = create_bitmap(9, 9);
    clear_to_color(image, makecol(255, 0, 0));
    rectfill(image, 1, 1, 7, 7, makecol(0, 255, 0));
    rectfill(image, 3, 3, 5, 5, makecol(0, 0, 255));
    save_bitmap(path.c_str(), image, nullptr);
    destroy_bitmap(image);
    return path;
}

TEST_F(LookFiles, PartsAreDrawnFromNineSliceImages)
{
    files.push_back(write_frame_image(dir + "/frame.bmp"));
    // An image whose header promises 100000 pixels is not loaded at all.
    std::string huge =
        "BM" + std::string(16, '\0') + std::string("\xA0\x86\x01\x00\x01\x00\x00\x00", 8) + std::string(40, '\0');
    write("huge.bmp", huge);
    const std::string path = write("framed.look", "version = 1\nname = Framed\nbase = GTK\n"
                                                  "[images]\nframe = frame.bmp 3 3 3 3\nface = huge.bmp 1 1 1 1\n");
    int error = 0;
    Theme *look = load_theme(path.c_str(), 0, collect, &problems, &error);
    ASSERT_NE(look, nullptr);
    made.push_back(look);
    EXPECT_EQ(error, THEME_ERR_PROBLEMS);
    EXPECT_TRUE(reported(6, "face", THEME_ERR_IMAGE));

    ASSERT_EQ(use_theme(look), THEME_OK);
    DIALOG box = {theme_box_proc, 20, 20, 40, 30, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    box.proc(MSG_DRAW, &box, 0);
    EXPECT_EQ(screen_pixel(20, 20), rgb16(255, 0, 0)) << "corner kept";
    EXPECT_EQ(screen_pixel(21, 21), rgb16(0, 255, 0));
    EXPECT_EQ(screen_pixel(22, 40), rgb16(0, 255, 0)) << "left edge stretched down";
    EXPECT_EQ(screen_pixel(40, 35), rgb16(0, 0, 255)) << "middle stretched";
    EXPECT_EQ(screen_pixel(59, 49), rgb16(255, 0, 0));
    EXPECT_EQ(screen_pixel(60, 50), rgb16(255, 0, 255)) << "nothing outside the row";

    // A program sets a part's image itself, from any path.
    EXPECT_EQ(theme_set_image(look, "wheel", (dir + "/frame.bmp").c_str(), 3, 3, 3, 3, 1), THEME_ERR_KEY);
    EXPECT_EQ(theme_set_image(look, "face", (dir + "/frame.bmp").c_str(), 5, 3, 5, 3, 1), THEME_ERR_IMAGE);
    EXPECT_EQ(theme_set_image(look, "face", (dir + "/huge.bmp").c_str(), 1, 1, 1, 1, 1), THEME_ERR_IMAGE);
    ASSERT_EQ(theme_set_image(look, "face", (dir + "/frame.bmp").c_str(), 3, 3, 3, 3, 1), THEME_OK);
    ASSERT_EQ(rebuild_theme(), THEME_OK);
    DIALOG button = {theme_button_proc, 100, 20, 40, 30, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr};
    button.proc(MSG_DRAW, &button, 0);
    EXPECT_EQ(screen_pixel(120, 35), rgb16(0, 0, 255)) << "the face from the image";
    ASSERT_EQ(theme_set_image(look, "face", nullptr, 0, 0, 0, 0, 1), THEME_OK);
    ASSERT_EQ(rebuild_theme(), THEME_OK);
    button.proc(MSG_DRAW, &button, 0);
    EXPECT_NE(screen_pixel(120, 35), rgb16(0, 0, 255)) << "GTK's own face again";

    // A menu's background goes under the look's own menu drawing, and the
    // hook is the look's again once it ends.
    ASSERT_EQ(theme_set_image(look, "menu", (dir + "/frame.bmp").c_str(), 3, 3, 3, 3, 1), THEME_OK);
    ASSERT_EQ(rebuild_theme(), THEME_OK);
    ASSERT_NE(gui_menu_draw_menu, nullptr);
    gui_menu_draw_menu(200, 100, 40, 30);
    EXPECT_EQ(screen_pixel(220, 115), rgb16(0, 0, 255)) << "the image's middle";
    stop_theme();
    EXPECT_EQ(gui_menu_draw_menu, nullptr);
    ASSERT_EQ(theme_set_image(look, "menu", nullptr, 0, 0, 0, 0, 1), THEME_OK);
    ASSERT_EQ(use_theme(look), THEME_OK);

    // The save names the image as the file did, and one the program gave
    // by its full path from the look file's directory, where it lies: the
    // file loads back without leave to read elsewhere.
    ASSERT_EQ(theme_set_image(look, "face", (dir + "/frame.bmp").c_str(), 3, 3, 3, 3, 1), THEME_OK);
    const std::string saved = dir + "/framed-again.look";
    files.push_back(saved);
    ASSERT_EQ(save_theme_file(look, saved.c_str()), THEME_OK);
    ASSERT_EQ(theme_set_image(look, "face", nullptr, 0, 0, 0, 0, 1), THEME_OK);
    stop_theme();  // a look in force keeps its base
    EXPECT_EQ(load_theme_file(look, saved.c_str(), 0, collect, &problems), THEME_OK);
    FILE *f = std::fopen(saved.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char text[2048] = {};
    std::fread(text, 1, sizeof text - 1, f);
    std::fclose(f);
    EXPECT_NE(std::string(text).find("[images]\nframe = frame.bmp 3 3 3 3\nface = frame.bmp 3 3 3 3\n"),
              std::string::npos)
        << text;

    // Images outside the directory are read only with the program's say.
    const std::string sub = dir + "/sub";
    ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
    files.push_back(sub);
    const std::string inner = write("sub/up.look", "version = 1\n[images]\nframe = ../frame.bmp 3 3 3 3\n");
    stop_theme();
    problems.clear();
    EXPECT_EQ(load_theme_file(look, inner.c_str(), 0, collect, &problems), THEME_ERR_PROBLEMS);
    EXPECT_EQ(load_theme_file(look, inner.c_str(), THEME_FILE_IMAGES_ANYWHERE, collect, &problems), THEME_OK);
}

}  // namespace
