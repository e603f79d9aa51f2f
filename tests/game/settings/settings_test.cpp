// The settings file: what a person may write in it, what the game makes of
// damaged files, and that saving is whole or not at all.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <allegro.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_file.h"

namespace {

Settings parse(const std::string &text, std::vector<std::string> &problems)
{
    return parseSettings(text.data(), text.size(), problems);
}

TEST(SettingsText, EveryValueSurvivesTheRoundTrip)
{
    Settings chosen;
    chosen.musicVolume = 0;
    chosen.effectsVolume = 100;
    chosen.effectsOn = false;
    chosen.keySet = KeySet::Custom;
    chosen.customKeys[CONTROL_UP] = KEY_W;
    chosen.customKeys[CONTROL_MUSIC] = KEY_F12;
    chosen.customKeys[CONTROL_PAUSE] = KEY_5_PAD;
    chosen.shortTaps = false;
    chosen.windowScale = 0;
    chosen.fullscreen = true;
    chosen.look = "NeXTStep";
    std::vector<std::string> problems;
    const std::string text = settingsText(chosen);
    EXPECT_EQ(parse(text, problems), chosen) << text;
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(text.find("grog-sloop"), std::string::npos) << "the file names no path of its own";
}

TEST(SettingsText, EachProblemKeepsItsDefaultAndNamesItsLine)
{
    std::vector<std::string> problems;
    const Settings read = parse("# mine\n"
                                "version = 1\n"
                                "music_volume = 101\n"  // 3: out of range
                                "effects_volume = 40\n"
                                "effects = maybe\n"      // 5: not a switch
                                "colour = blue\n"        // 6: unknown
                                "just words\n"           // 7: not key = value
                                "key_up = NOSUCHKEY\n"   // 8: unknown key name
                                "scale = 04\n"           // 9: scales are 1..4 or auto
                                "  look = Win95  \r\n",  // spaces and a CR are fine
                                problems);
    Settings expected;
    expected.effectsVolume = 40;
    expected.look = "Win95";
    EXPECT_EQ(read, expected);
    ASSERT_EQ(problems.size(), 6u);
    const char *lines[] = {"line 3:", "line 5:", "line 6:", "line 7:", "line 8:", "line 9:"};
    for (std::size_t i = 0; i < problems.size(); ++i) EXPECT_EQ(problems[i].rfind(lines[i], 0), 0u) << problems[i];
    EXPECT_NE(problems[2].find("colour"), std::string::npos);
}

TEST(SettingsText, FilesThatAreNotSettingsGiveTheDefaults)
{
    const std::string withNul = std::string("version = 1\nmusic_volume = 5\n") + '\0' + "x";
    const std::string huge = "version = 1\n" + std::string(SETTINGS_BYTES_MAX, '#');
    for (const std::string &text : {std::string("version = 2\nmusic_volume = 5\n"), withNul, huge}) {
        std::vector<std::string> problems;
        EXPECT_EQ(parse(text, problems), Settings()) << text.substr(0, 40);
        EXPECT_EQ(problems.size(), 1u) << text.substr(0, 40);
    }
    std::vector<std::string> problems;
    EXPECT_EQ(parse("", problems), Settings());
    EXPECT_TRUE(problems.empty()) << "an empty file is no problem";
}

// A file written by hand without the version line is read as the first
// version, its first line a setting like the rest.
TEST(SettingsText, AFileWithoutItsVersionLineIsReadAsVersionOne)
{
    std::vector<std::string> problems;
    const Settings read = parse("# mine\n\nmusic_volume = 5\nkeys = arrows+wasd\nversion = 1\n", problems);
    Settings expected;
    expected.musicVolume = 5;
    expected.keySet = KeySet::ArrowsAndWasd;
    EXPECT_EQ(read, expected);
    ASSERT_EQ(problems.size(), 1u) << "a version line anywhere but first is out of place";
    EXPECT_EQ(problems[0].rfind("line 5:", 0), 0u) << problems[0];
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/grog-settings-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch_ = pattern;
    }
    void TearDown() override
    {
        std::filesystem::permissions(scratch_, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(scratch_);
    }
    std::filesystem::path scratch_;
};

TEST_F(SettingsFile, SavedWholeInPrivateDirectoriesAndReadBack)
{
    const std::string path = (scratch_ / "config/grog-sloop/settings.cfg").string();
    Settings chosen;
    chosen.musicVolume = 30;
    chosen.keySet = KeySet::ArrowsAndWasd;
    std::string error;
    ASSERT_TRUE(saveSettings(path, chosen, error)) << error;
    EXPECT_EQ(loadSettings(path), chosen);
#ifndef _WIN32  // Windows gives a folder no such permissions
    struct stat info;
    ASSERT_EQ(stat((scratch_ / "config/grog-sloop").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
#endif
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(scratch_ / "config/grog-sloop")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1) << "no temporary file is left behind";
}

TEST_F(SettingsFile, AFailedSaveSaysWhyAndLeavesNothingBehind)
{
    // A directory where the file should be: the rename over it fails, even
    // for a user who may write anywhere.
    const std::filesystem::path path = scratch_ / "settings.cfg";
    std::filesystem::create_directories(path / "kept");
    std::string error;
    EXPECT_FALSE(saveSettings(path.string(), Settings(), error));
    EXPECT_NE(error.find("settings.cfg"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::exists(path / "kept"));
    int entries = 0;
    for (const auto &entry : std::filesystem::directory_iterator(scratch_)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1) << "the temporary file is removed";
    // A file where a directory should be: no directory can be made.
    std::ofstream(scratch_ / "plain") << "x";
    EXPECT_FALSE(saveSettings((scratch_ / "plain/grog-sloop/settings.cfg").string(), Settings(), error));
}

}  // namespace
