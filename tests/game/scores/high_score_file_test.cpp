#include "scores/high_score_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>
#include <string>

#include "scratch_directory.h"

namespace {

ScoreTable tableWithFirst(const char *name, int score)
{
    ScoreTable table = defaultScoreTable();
    insertScore(table, score, name, 3);
    return table;
}

// Runs `body` with standard error captured; gives what was written there.
template <typename Body> std::string stderrOf(Body body)
{
    testing::internal::CaptureStderr();
    body();
    return testing::internal::GetCapturedStderr();
}

int lineCount(const std::string &text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// File permissions mean nothing to root, and CI may well run as root: there
// the case runs in a child process that has first become the unprivileged
// user "nobody" (owning the scratch directory), so the refusal really happens.
template <typename Body> void asUnprivilegedUser(Body body)
{
    if (geteuid() != 0) {
        body();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const uid_t nobody = 65534;
        if (chown(".", nobody, nobody) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) std::_Exit(3);
        body();
        std::fflush(nullptr);
        std::_Exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the case failed as user nobody (see above)";
}

class ScoreFile : public testing::Test {
protected:
    void SetUp() override { resetScoreSaveWarning(); }
    ScratchDirectory dir;
};

}  // namespace

TEST_F(ScoreFile, MissingFileIsCreatedWithTheDefaultEntries)
{
    ScoreTable table = readScoreTable();
    EXPECT_EQ(readWholeFile("High.txt"), DEFAULT_FILE);
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
    // Nothing is left beside it.
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"High.txt"});
}

TEST_F(ScoreFile, WriteReplacesTheTableAndKeepsWhatFollowsIt)
{
    const std::string tail = "an old line\nanother\nno newline at the end";
    writeWholeFile("High.txt", DEFAULT_FILE + tail);
    ASSERT_TRUE(writeScoreTable(tableWithFirst("Anne", 999)));
    std::string content = readWholeFile("High.txt");
    EXPECT_EQ(content, "Anne\n999\n3\n" + repeat("Captain Bilgewig\n100\n10\n", 9) + tail);
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"High.txt"});
}

TEST_F(ScoreFile, WriteOverAShortFileLeavesExactlyThirtyLines)
{
    writeWholeFile("High.txt", "Anne\n5\n1\nMary");
    ScoreTable table = readScoreTable();
    ASSERT_TRUE(writeScoreTable(table));
    std::string content = readWholeFile("High.txt");
    EXPECT_EQ(lineCount(content), 30);
    EXPECT_EQ(content.substr(0, 9), "Anne\n5\n1\n");
}

TEST_F(ScoreFile, WriteWithTheFileGoneStillSavesTheTable)
{
    ASSERT_TRUE(writeScoreTable(tableWithFirst("Anne", 999)));
    EXPECT_EQ(readScoreTable()[0].name, std::string("Anne\n"));
}

TEST_F(ScoreFile, FileGetsTheUsualPermissionsAndKeepsThem)
{
    struct stat info;
    createDefaultScoreFile();
    ASSERT_EQ(stat("High.txt", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    chmod("High.txt", 0600);
    ASSERT_TRUE(writeScoreTable(tableWithFirst("Anne", 999)));
    ASSERT_EQ(stat("High.txt", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(ScoreFile, DirectoryNamedLikeTheFileGivesDefaultsAndOneWarning)
{
    ASSERT_EQ(mkdir("High.txt", 0755), 0);
    ScoreTable table;
    bool written = true;
    std::string errors = stderrOf([&] {
        table = readScoreTable();
        written = writeScoreTable(tableWithFirst("Anne", 999));
        table = readScoreTable();
    });
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
    EXPECT_FALSE(written);
    EXPECT_EQ(lineCount(errors), 1);
    EXPECT_NE(errors.find("scores cannot be saved"), std::string::npos);
    // The directory is still there and no temporary file is left.
    struct stat info;
    ASSERT_EQ(stat("High.txt", &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"High.txt"});
}

TEST_F(ScoreFile, NamedPipeInItsPlaceNeitherHangsNorIsReplaced)
{
    ASSERT_EQ(mkfifo("High.txt", 0644), 0);
    ScoreTable table;
    bool written = true;
    std::string errors = stderrOf([&] {
        table = readScoreTable();
        written = writeScoreTable(tableWithFirst("Anne", 999));
    });
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
    EXPECT_FALSE(written);
    EXPECT_EQ(lineCount(errors), 1);
    struct stat info;
    ASSERT_EQ(stat("High.txt", &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(directoryEntries(), std::vector<std::string>{"High.txt"});
}

TEST_F(ScoreFile, WorkingDirectoryWhereNothingCanBeCreatedGivesDefaultsAndOneWarning)
{
    // A removed working directory refuses new files even to root.
    ASSERT_EQ(rmdir(dir.path().c_str()), 0);
    ScoreTable table;
    bool written = true;
    std::string errors = stderrOf([&] {
        table = readScoreTable();
        written = writeScoreTable(tableWithFirst("Anne", 999));
    });
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
    EXPECT_FALSE(written);
    EXPECT_EQ(lineCount(errors), 1);
    EXPECT_NE(errors.find("scores cannot be saved"), std::string::npos);
}

TEST_F(ScoreFile, ReadOnlyDirectoryGivesDefaultsAndOneWarning)
{
    asUnprivilegedUser([] {
        ASSERT_EQ(chmod(".", 0555), 0);
        ScoreTable table;
        std::string errors = stderrOf([&] { table = readScoreTable(); });
        EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
        EXPECT_EQ(lineCount(errors), 1);
        EXPECT_FALSE(fileExists("High.txt"));
    });
}

TEST_F(ScoreFile, UnreadableFileIsNotReplacedByDefaults)
{
    asUnprivilegedUser([] {
        writeWholeFile("High.txt", "Anne\n999\n3\n");
        ASSERT_EQ(chmod("High.txt", 0200), 0);
        std::string errors = stderrOf([] { readScoreTable(); });
        EXPECT_EQ(lineCount(errors), 1);
        chmod("High.txt", 0600);
        EXPECT_EQ(readWholeFile("High.txt"), "Anne\n999\n3\n");
    });
}

// A writer killed at any moment leaves "High.txt" holding either the whole
// old content or the whole new one, never a mixture, a short file or none.
TEST_F(ScoreFile, WriterKilledAtRandomMomentsLeavesOldOrNewWhole)
{
    const std::string tail = repeat("older text beyond the table\n", 200);
    const ScoreTable first = tableWithFirst("Anne", 999);
    const ScoreTable second = tableWithFirst("Mary", 888);
    const std::string firstContent = formatScoreTable(first) + tail;
    const std::string secondContent = formatScoreTable(second) + tail;
    writeWholeFile("High.txt", firstContent);

    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delayMicroseconds(0, 6000);
    int sawFirst = 0, sawSecond = 0;
    const int rounds = 250;
    for (int round = 0; round < rounds; ++round) {
        pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            alarm(20);  // never outlive a parent that failed to kill it
            for (unsigned i = 0;; ++i) writeScoreTable(i % 2 ? first : second);
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        std::string content = readWholeFile("High.txt");
        bool whole = content == firstContent || content == secondContent;
        ASSERT_TRUE(whole) << "round " << round << ": " << content.size() << " bytes";
        (content == firstContent ? sawFirst : sawSecond)++;
    }
    // The writers got far enough to change the file, and kills landed in
    // the middle of writes: each of those leaves its temporary file behind.
    EXPECT_GT(sawSecond, 0);
    EXPECT_EQ(sawFirst + sawSecond, rounds);
    std::size_t killedMidWrite = directoryEntries().size() - 1;
    EXPECT_GT(killedMidWrite, 0u);
    std::printf("%d kills: %zu in the middle of a write; old table %d times, new %d times\n", rounds, killedMidWrite,
                sawFirst, sawSecond);
}
