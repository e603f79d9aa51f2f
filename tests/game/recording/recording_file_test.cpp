#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording/recording_file.h"

namespace {

bool parse(const std::string &text, Recording &recording, std::string &error)
{
    return parseRecording(text.data(), text.size(), recording, error);
}

const std::string HEADER = std::string(RECORDING_VERSION_LINE) + "\nseed 7\n";

}  // namespace

// What the recorder writes reads back as the same run, whatever the keys
// and however odd the name.
TEST(RecordingFile, ReadsBackWhatTheRecorderWrites)
{
    const std::vector<std::string> names = {"", "Cappy Bilgewig", "back\\slash \\x41", "Ma\xC3\xABl \xF0\x9F\x8F\xB4",
                                            std::string(100, 'z')};
    std::string text = recordingHeader(4294967295u) + waitLine(RecordedEvent::Kind::TitleKey, 17165, 12);
    for (int keys = 0; keys < 256; ++keys) text += stepLine(static_cast<std::uint8_t>(keys));
    text += stepLine(0) + stepLine(0);
    for (std::size_t k = 0; k < names.size(); ++k) text += nameLine(k % 2 == 0, names[k]);
    text += waitLine(RecordedEvent::Kind::GameOverKey, RECORDED_KEY_MAX, 2147483647);
    GameSummary summary;
    summary.steps = 258;
    summary.level = 3;
    summary.lives = 0;
    summary.score = 40;
    text += endLine(summary);

    Recording recording;
    std::string error;
    ASSERT_TRUE(parse(text, recording, error)) << error;
    EXPECT_EQ(recording.seed, 4294967295u);
    ASSERT_EQ(recording.events.size(), 1u + 256u + 1u + names.size() + 1u);
    EXPECT_EQ(recording.events[0].kind, RecordedEvent::Kind::TitleKey);
    EXPECT_EQ(recording.events[0].key, 17165);
    EXPECT_EQ(recording.events[0].ticks, 12);
    for (int keys = 0; keys < 256; ++keys) {
        EXPECT_EQ(recording.events[1 + keys].keys, keys);
        EXPECT_EQ(recording.events[1 + keys].count, 1u);
    }
    // Steps alike in a row share one event.
    EXPECT_EQ(recording.events[257].keys, 0);
    EXPECT_EQ(recording.events[257].count, 2u);
    ASSERT_EQ(recording.names.size(), names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        EXPECT_EQ(recording.names[k], names[k]);
        EXPECT_EQ(recording.events[258 + k].saved, k % 2 == 0);
    }
    EXPECT_EQ(recording.events.back().ticks, 2147483647);
    EXPECT_TRUE(recording.ended);
    EXPECT_TRUE(recording.summary == summary);
    EXPECT_EQ(summaryLine(summary), "game steps 258 level 3 lives 0 score 40\n");
}

TEST(RecordingFile, TakesWindowsLineEndsCommentsAndNoEndLine)
{
    Recording recording;
    std::string error;
    ASSERT_TRUE(parse(std::string(RECORDING_VERSION_LINE) + "\r\n# a note\r\nseed 0\r\n#\r\nRU\r\n", recording, error))
        << error;
    ASSERT_EQ(recording.events.size(), 1u);
    EXPECT_EQ(recording.events[0].keys, STEP_RIGHT | STEP_UP);
    EXPECT_FALSE(recording.ended);
}

// Each fault names its line, and nothing in the file can make the reader
// hold more than a real recording would.
TEST(RecordingFile, RefusesBadTruncatedAndHostileFiles)
{
    const struct {
        std::string text;
        const char *says;
    } refused[] = {
        {"", "empty"},
        {"grog-sloop recording 2\nseed 1\n", "line 1: expected"},
        {HEADER + "R", "cut short"},
        {HEADER + std::string("R\0\n", 3), "NUL"},
        {std::string(RECORDING_VERSION_LINE) + "\n", "before its \"seed\""},
        {std::string(RECORDING_VERSION_LINE) + "\nR\n", "line 2: expected \"seed N\""},
        {std::string(RECORDING_VERSION_LINE) + "\nseed 4294967296\n", "line 2"},
        {std::string(RECORDING_VERSION_LINE) + "\nseed -1\n", "line 2"},
        {std::string(RECORDING_VERSION_LINE) + "\nseed 1 2\n", "line 2"},
        {HEADER + "RL\n", "line 3: not a line"},
        {HEADER + "RR\n", "line 3: not a line"},
        {HEADER + "r\n", "line 3: not a line"},
        {HEADER + "\n", "line 3: not a line"},
        {HEADER + "-R\n", "line 3: not a line"},
        {HEADER + "\x1b]0;owned\x07\xff\n", "line 3: not a line of a recording: \"?]0;owned??\""},
        {HEADER + "title 17165\n", "line 3: expected \"title KEY TICKS\""},
        {HEADER + "gameover 32768 1\n", "line 3: expected \"gameover KEY TICKS\""},
        {HEADER + "title 1 2147483648\n", "line 3"},
        {HEADER + "name kept Bob\n", "line 3: expected \"name saved NAME\""},
        {HEADER + "name saved B\\ob\n", "line 3: a backslash"},
        {HEADER + "name saved Bob\\x4\n", "line 3: a backslash"},
        {HEADER + "name saved \\x01\n", "control character"},
        {HEADER + "name saved \\xFF\n", "UTF-8"},
        {HEADER + "name saved \\xC3\n", "UTF-8"},
        {HEADER + "name saved " + std::string(101, 'a') + "\n", "longer than"},
        {HEADER + "name saved " + std::string(401, 'a') + "\n", "longer than"},
        {HEADER + "-\nend steps 1 level 1 lives 3 score 0\n-\n", "line 5: nothing may follow"},
        {HEADER + "-\nend steps 2 level 1 lives 3 score 0\n", "line 4: the end line counts 2 steps"},
        {HEADER + "end steps 0 level 1 lives 3\n", "line 3: expected \"end"},
    };
    for (const auto &bad : refused) {
        Recording recording;
        std::string error;
        EXPECT_FALSE(parse(bad.text, recording, error)) << bad.text;
        EXPECT_NE(error.find(bad.says), std::string::npos) << "\"" << error << "\" for: " << bad.text;
    }

    std::string tooManySteps = HEADER;
    for (std::uint32_t i = 0; i <= RECORDING_STEPS_MAX; ++i) tooManySteps += i % 2 ? "R\n" : "L\n";
    Recording recording;
    std::string error;
    EXPECT_FALSE(parse(tooManySteps, recording, error));
    EXPECT_NE(error.find("more than 1000000 steps"), std::string::npos) << error;

    std::string tooLarge = HEADER + std::string(RECORDING_BYTES_MAX, '#');
    EXPECT_FALSE(parse(tooLarge, recording, error));
    EXPECT_NE(error.find("larger than any recording"), std::string::npos) << error;
}
