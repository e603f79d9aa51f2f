// The XDG rules that name the player's folders on Linux: the score
// directory and the settings file.
#include "platform/linux/xdg_folders.h"

#include <gtest/gtest.h>

TEST(ScoreDirectory, FollowsTheXdgRule)
{
    EXPECT_EQ(scoreDirFor("/data/ann", "/home/ann"), "/data/ann/grog-sloop");
    // Unset, empty or relative XDG_DATA_HOME: the default under HOME.
    EXPECT_EQ(scoreDirFor(nullptr, "/home/ann"), "/home/ann/.local/share/grog-sloop");
    EXPECT_EQ(scoreDirFor("", "/home/ann"), "/home/ann/.local/share/grog-sloop");
    EXPECT_EQ(scoreDirFor("data", "/home/ann"), "/home/ann/.local/share/grog-sloop");
    EXPECT_EQ(scoreDirFor(nullptr, "/"), "/.local/share/grog-sloop");
    // No usable home: no place at all, rather than the working directory.
    EXPECT_EQ(scoreDirFor(nullptr, nullptr), "");
    EXPECT_EQ(scoreDirFor("rel", "home"), "");
}

TEST(SettingsPath, FollowsTheXdgRule)
{
    EXPECT_EQ(settingsPathFor("/x/config", "/home/anne"), "/x/config/grog-sloop/settings.cfg");
    EXPECT_EQ(settingsPathFor("relative/config", "/home/anne"), "/home/anne/.config/grog-sloop/settings.cfg");
    EXPECT_EQ(settingsPathFor(nullptr, "/home/anne"), "/home/anne/.config/grog-sloop/settings.cfg");
    EXPECT_EQ(settingsPathFor("", "/"), "/.config/grog-sloop/settings.cfg");
    EXPECT_EQ(settingsPathFor(nullptr, "anne"), "");
    EXPECT_EQ(settingsPathFor(nullptr, nullptr), "");
}
