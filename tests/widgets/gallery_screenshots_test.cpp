// theme-gallery --screenshot DIR: one picture per registered look, each a
// full gallery drawn in that look.
#include <allegro.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <dirent.h>
#include <set>
#include <string>
#include <unistd.h>

#include "pixel_helpers.h"
#include "widgets/theme.h"

namespace {

const char *const LOOK_NAMES[] = {"GTK", "Photon", "Win95", "ASE", "BeOS", "NeXTStep", "Allegro"};

struct GalleryScreenshots : testing::Test {
    std::string dir;
    void SetUp() override
    {
        char templ[] = "/tmp/gallery-shots-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
    }
    void TearDown() override
    {
        for (const std::string &f : files()) unlink((dir + "/" + f).c_str());
        rmdir(dir.c_str());
    }
    std::set<std::string> files() const
    {
        std::set<std::string> names;
        if (DIR *d = opendir(dir.c_str())) {
            while (dirent *e = readdir(d))
                if (e->d_name[0] != '.') names.insert(e->d_name);
            closedir(d);
        }
        return names;
    }
    int run_gallery(const std::string &env_prefix, const std::string &options = "")
    {
        const std::string cmd =
            env_prefix + "'" THEME_GALLERY "' " + options + " --screenshot '" + dir + "' > /dev/null";
        return std::system(cmd.c_str());
    }
    // The colour at (x, y) of a saved picture.
    static Rgb picture_pixel(const std::string &path, int x, int y)
    {
        BITMAP *image = load_bitmap(path.c_str(), nullptr);
        if (!image) return Rgb{-1, -1, -1};
        Rgb c = pixel_at(image, x, y);
        destroy_bitmap(image);
        return c;
    }
};

TEST_F(GalleryScreenshots, OnePicturePerRegisteredLook)
{
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "every look needs a display (xvfb-run)";
    ASSERT_EQ(run_gallery(""), 0);
    std::set<std::string> want;
    for (const char *name : LOOK_NAMES)
        if (find_theme(name)) want.insert(std::string(name) + ".bmp");
    want.insert("JollyRoger.bmp");  // the example look the gallery registers
    EXPECT_EQ(files(), want);

    // 640x480, and the GTK picture shows the GTK face inside the window.
    BITMAP *gtk = load_bitmap((dir + "/GTK.bmp").c_str(), nullptr);
    ASSERT_NE(gtk, nullptr);
    EXPECT_EQ(gtk->w, 640);
    EXPECT_EQ(gtk->h, 480);
    destroy_bitmap(gtk);
    EXPECT_EQ(picture_pixel(dir + "/GTK.bmp", 300, 460), rgb16(214, 214, 214));
    EXPECT_EQ(picture_pixel(dir + "/Allegro.bmp", 300, 460), rgb16(255, 255, 255));
}

TEST_F(GalleryScreenshots, WithoutDisplayTheLooksThatNeedNoTimerAreDrawn)
{
    ASSERT_EQ(run_gallery("env -u DISPLAY "), 0);
    const std::set<std::string> got = files();
    EXPECT_EQ(got.count("GTK.bmp"), 1u);
    EXPECT_EQ(got.count("Allegro.bmp"), 1u);
    EXPECT_EQ(picture_pixel(dir + "/GTK.bmp", 300, 460), rgb16(214, 214, 214));
}

TEST_F(GalleryScreenshots, LookFilesAndTheBigFontAreShown)
{
    ASSERT_EQ(run_gallery("env -u DISPLAY ", "--big-font --look '" SLOOPGUI_LOOKS_DIR "/high-contrast.look'"), 0);
    EXPECT_EQ(files().count("High contrast.bmp"), 1u);
    // The "Checked" box, 10 pixels with the 8-pixel font, 20 with the big
    // one: its white right edge runs down x = 24 + 3 + 19.
    EXPECT_EQ(picture_pixel(dir + "/GTK.bmp", 46, 175), rgb16(255, 255, 255));
    EXPECT_EQ(picture_pixel(dir + "/High contrast.bmp", 300, 460), rgb16(0, 0, 0));
}

TEST_F(GalleryScreenshots, UnwritableDirectoryFails)
{
    dir += "/missing";
    EXPECT_NE(run_gallery("env -u DISPLAY "), 0);
    dir.resize(dir.size() - 8);
}

}  // namespace
