// Where the game looks for its data and keeps a player's scores: the
// choice between the working directory, the program's own directory and an
// installed tree, making the score directory, and the score file living
// there.
#include "process/data_dirs.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "scores/high_score_file.h"

namespace {

std::set<std::string> existingDirs, readableDirs;
bool fakeIsDirectory(const std::string &path)
{
    return existingDirs.count(path) > 0;
}
bool fakeIsReadable(const std::string &path)
{
    return readableDirs.count(path) > 0;
}

class GamePlacesChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        existingDirs.clear();
        readableDirs.clear();
    }
    GamePlaces choose(bool workingHasGfx, const std::string &program)
    {
        return chooseGamePlaces(workingHasGfx, program, fakeIsDirectory, fakeIsReadable);
    }
};

struct TempDir {
    std::string path;
    TempDir()
    {
        char name[] = "/tmp/grog-dirs-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempDir() { std::system(("rm -rf '" + path + "'").c_str()); }
};

mode_t modeOf(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

}  // namespace

TEST(InstalledLayout, DataLiesInShareGamesBesideTheProgramsDirectory)
{
    EXPECT_EQ(installedDataDirFor("/usr/games/grog-sloop"), "/usr/share/games/grog-sloop");
    EXPECT_EQ(installedDataDirFor("/home/ann/opt/games/grog-sloop"), "/home/ann/opt/share/games/grog-sloop");
    EXPECT_EQ(installedDataDirFor("/grog-sloop"), "/share/games/grog-sloop");
    EXPECT_EQ(programDirOf("/usr/games/grog-sloop"), "/usr/games");
    EXPECT_EQ(programDirOf("/grog-sloop"), "/");
}

TEST_F(GamePlacesChoice, AWorkingDirectoryWithGfxWinsOverEverything)
{
    existingDirs = {"/usr/games/Gfx", "/usr/share/games/grog-sloop"};
    readableDirs = existingDirs;
    const GamePlaces places = choose(true, "/usr/games/grog-sloop");
    EXPECT_EQ(places.dataDir, "");
    EXPECT_FALSE(places.installed);
    EXPECT_EQ(places.problem, "");
}

TEST_F(GamePlacesChoice, DataBesideTheProgramComesBeforeTheInstalledTree)
{
    existingDirs = {"/src/build/Gfx", "/src/share/games/grog-sloop"};
    readableDirs = {"/src/build", "/src/share/games/grog-sloop"};
    const GamePlaces places = choose(false, "/src/build/grog-sloop");
    EXPECT_EQ(places.dataDir, "/src/build");
    EXPECT_FALSE(places.installed) << "a build tree keeps its scores in the working directory";
}

TEST_F(GamePlacesChoice, AnInstalledTreeIsFoundFromTheProgramsLocation)
{
    existingDirs = {"/opt/p/share/games/grog-sloop"};
    readableDirs = existingDirs;
    const GamePlaces places = choose(false, "/opt/p/games/grog-sloop");
    EXPECT_EQ(places.dataDir, "/opt/p/share/games/grog-sloop");
    EXPECT_TRUE(places.installed);
    EXPECT_EQ(places.problem, "");
}

TEST_F(GamePlacesChoice, MissingOrUnreadableDataIsNamedWithItsPlace)
{
    GamePlaces places = choose(false, "/opt/p/games/grog-sloop");
    EXPECT_EQ(places.dataDir, "");
    EXPECT_NE(places.problem.find("/opt/p/share/games/grog-sloop"), std::string::npos) << places.problem;

    existingDirs = {"/opt/p/share/games/grog-sloop"};
    places = choose(false, "/opt/p/games/grog-sloop");
    EXPECT_EQ(places.dataDir, "");
    EXPECT_TRUE(places.installed) << "the scores still go to the player's directory";
    EXPECT_NE(places.problem.find("cannot be read"), std::string::npos) << places.problem;

    EXPECT_NE(choose(false, "").problem, "");
}

TEST(ScoreDirectory, MissingDirectoriesAreMadePrivateExistingOnesKeepTheirMode)
{
    TempDir t;
    ASSERT_EQ(chmod(t.path.c_str(), 0755), 0);
    const mode_t oldMask = umask(022);
    std::string error;
    const std::string scores = t.path + "/.local/share/grog-sloop";
    EXPECT_TRUE(makeDirectories(scores, error)) << error;
    EXPECT_EQ(modeOf(t.path + "/.local"), 0700u);
    EXPECT_EQ(modeOf(scores), 0700u);
    EXPECT_EQ(modeOf(t.path), 0755u);
    EXPECT_TRUE(makeDirectories(scores, error)) << "a second run finds it made";
    umask(oldMask);

    // A file where a directory should be: refused, and named.
    std::ofstream(t.path + "/blocked") << "x";
    EXPECT_FALSE(makeDirectories(t.path + "/blocked/share/grog-sloop", error));
    EXPECT_NE(error.find(t.path + "/blocked"), std::string::npos) << error;
}

TEST(ScoreDirectory, TheTableIsReadAndReplacedThereNotInTheWorkingDirectory)
{
    TempDir work, scores;
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(work.path.c_str()), 0);
    setScoreDirectory(scores.path);
    resetScoreSaveWarning();

    ScoreTable table = readScoreTable();
    insertScore(table, 500, "Anne", 4);
    EXPECT_TRUE(writeScoreTable(table));
    EXPECT_STREQ(readScoreTable()[0].name, "Anne\n");  // fields keep their line end
    EXPECT_EQ(scoreFilePath(), scores.path + "/High.txt");
    EXPECT_EQ(std::system(("test \"$(ls -A '" + scores.path + "')\" = High.txt").c_str()), 0)
        << "only High.txt, no temporary file left beside it";
    EXPECT_EQ(std::system(("test -z \"$(ls -A '" + work.path + "')\"").c_str()), 0)
        << "nothing written into the working directory";

    setScoreDirectory("");
    ASSERT_EQ(chdir(previous), 0);
}
