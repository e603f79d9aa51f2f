#include "scores/high_score_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
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

namespace {

// The writer of `table`, in a child stopped by ptrace at the entry of each
// of its system calls, killed at the entry of call `stop` (calls before it
// done, that one not begun). Kills land on the writer's own moments, not
// the clock's: between two system calls the files stay as they are, so
// killing it before each call in turn reaches every state it can leave.
enum class KilledWriter { Killed, Finished, NotTraceable };

KilledWriter killWriterBeforeSystemCall(const ScoreTable &table, int stop)
{
    std::fflush(nullptr);
    const pid_t writer = fork();
    if (writer < 0) return KilledWriter::NotTraceable;
    if (writer == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) std::_Exit(3);
        raise(SIGSTOP);
        writeScoreTable(table);
        // No exit handlers: a sanitizer's leak check would ptrace too.
        std::_Exit(0);
    }
    int status = 0;
    if (waitpid(writer, &status, 0) != writer || !WIFSTOPPED(status)) return KilledWriter::NotTraceable;
    // EXITKILL: a test that dies takes its writer with it.
    ptrace(PTRACE_SETOPTIONS, writer, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
    int calls = 0, signal = 0;
    bool entering = true;
    for (;;) {
        ptrace(PTRACE_SYSCALL, writer, nullptr, signal);
        signal = 0;
        if (waitpid(writer, &status, 0) != writer) return KilledWriter::NotTraceable;
        if (WIFEXITED(status) || WIFSIGNALED(status)) return KilledWriter::Finished;
        if (WSTOPSIG(status) != (SIGTRAP | 0x80)) {
            signal = WSTOPSIG(status);  // the writer's own signal, passed on
            continue;
        }
        if (entering && calls++ == stop) {
            kill(writer, SIGKILL);
            waitpid(writer, &status, 0);
            return KilledWriter::Killed;
        }
        entering = !entering;
    }
}

}  // namespace

// A writer killed at any moment leaves "High.txt" holding either the whole
// old content or the whole new one, never a mixture, a short file or none.
TEST_F(ScoreFile, WriterKilledBeforeEachOfItsSystemCallsLeavesOldOrNewWhole)
{
    const std::string tail = repeat("older text beyond the table\n", 200);
    const ScoreTable second = tableWithFirst("Mary", 888);
    const std::string oldContent = formatScoreTable(tableWithFirst("Anne", 999)) + tail;
    const std::string newContent = formatScoreTable(second) + tail;

    int sawOld = 0, sawNew = 0, leftTemporary = 0, stop = 0;
    for (KilledWriter end = KilledWriter::Killed; end == KilledWriter::Killed; ++stop) {
        writeWholeFile("High.txt", oldContent);
        end = killWriterBeforeSystemCall(second, stop);
        if (end == KilledWriter::NotTraceable)
            GTEST_SKIP() << "ptrace is not permitted here, so no writer can be stopped";
        const std::string content = readWholeFile("High.txt");
        ASSERT_TRUE(content == oldContent || content == newContent)
            << "killed before system call " << stop << ": " << content.size() << " bytes";
        (content == oldContent ? sawOld : sawNew)++;
        // A kill in the middle of a write leaves its temporary file behind.
        for (const std::string &name : directoryEntries()) {
            if (name == "High.txt") continue;
            ++leftTemporary;
            std::remove(name.c_str());
        }
        ASSERT_LT(stop, 100000) << "the writer never finishes";
    }
    // Kills before the rename find the old table, after it the new one, and
    // those in between the writing of the temporary file.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    EXPECT_GT(leftTemporary, 0);
    std::printf("%d system calls: old table after %d kills, new after %d; %d in the middle of a write\n", stop - 1,
                sawOld, sawNew - 1, leftTemporary);
}
