// The player's files on Windows: the settings and the score table live in
// the game's folder of the roaming application data, and each is replaced
// whole when saved again (Windows' own rename refuses to replace a file,
// so a second save would fail without the game's own replacing).
#include <gtest/gtest.h>

#include <allegro.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "process/data_dirs.h"
#include "platform/player_folders.h"
#include "scores/high_score_file.h"
#include "scores/high_score_table.h"
#include "settings/settings_file.h"

namespace {

std::string readWhole(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(PlayerFiles, SettingsAreSavedAgainAndAgainInTheApplicationDataFolder)
{
    const std::string path = playerSettingsPath();
    ASSERT_TRUE(endsWith(path, "/AppData/Roaming/grog-sloop/settings.cfg")) << path;
    std::remove(path.c_str());
    Settings chosen;
    std::string error;
    for (int volume : {10, 20, 30}) {
        chosen.musicVolume = volume;
        ASSERT_TRUE(saveSettings(path, chosen, error)) << error;
        EXPECT_EQ(loadSettings(path), chosen);
    }
    // Lines end in '\n' alone, as on Linux: the file moves between the two.
    EXPECT_EQ(readWhole(path).find('\r'), std::string::npos);
    EXPECT_EQ(std::remove(path.c_str()), 0);
}

TEST(PlayerFiles, TheScoreTableIsReplacedWholeInTheApplicationDataFolder)
{
    std::string problem;
    const std::string folder = playerScoresFolder(problem);
    ASSERT_TRUE(endsWith(folder, "/AppData/Roaming/grog-sloop")) << folder << problem;
    EXPECT_TRUE(scoresAlwaysInPlayerFolder());
    std::string error;
    ASSERT_TRUE(makeDirectories(folder, error)) << error;
    setScoreDirectory(folder);
    std::remove(scoreFilePath().c_str());
    ScoreTable table = readScoreTable();  // made anew
    for (int round = 1; round <= 3; ++round) {
        setScoreField(table[0].name, ("Round " + std::to_string(round)).c_str());
        ASSERT_TRUE(writeScoreTable(table));
        EXPECT_STREQ(readScoreTable()[0].name, table[0].name);
    }
    EXPECT_EQ(readWhole(scoreFilePath()), formatScoreTable(table));
    EXPECT_EQ(std::remove(scoreFilePath().c_str()), 0);
}

TEST(PlayerFiles, TheProgramKnowsWhereItLies)
{
    const std::string path = runningProgramPath();
    EXPECT_TRUE(endsWith(path, "/player_files_tests.exe")) << path;
    EXPECT_EQ(path.find('\\'), std::string::npos) << path;
}

}  // namespace
