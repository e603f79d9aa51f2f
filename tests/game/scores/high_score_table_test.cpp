#include "scores/high_score_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "scratch_directory.h"

namespace {

ScoreTable parse(const std::string &text)
{
    return parseScoreTable(text.data(), text.size());
}

// A table whose scores are given, names "P0".."P9", levels 1.
ScoreTable tableWithScores(const int (&scores)[10])
{
    std::string text;
    for (int i = 0; i < 10; ++i) {
        text += "P" + std::to_string(i) + "\n" + std::to_string(scores[i]) + "\n1\n";
    }
    return parse(text);
}

void expectDefaultEntry(const ScoreEntry &entry)
{
    EXPECT_STREQ(entry.name, "Captain Bilgewig\n");
    EXPECT_STREQ(entry.score, "100\n");
    EXPECT_STREQ(entry.level, "10\n");
}

// Every field the reading hands out is one whole line inside its 40 bytes.
void expectWellFormed(const ScoreTable &table)
{
    ASSERT_EQ(table.size(), 10u);
    for (const ScoreEntry &entry : table) {
        for (const char *field : {entry.name, entry.score, entry.level}) {
            const char *end = static_cast<const char *>(std::memchr(field, '\0', SCORE_FIELD_SIZE));
            ASSERT_NE(end, nullptr);
            std::size_t length = static_cast<std::size_t>(end - field);
            ASSERT_GE(length, 1u);
            ASSERT_LE(length, SCORE_FIELD_SIZE - 1);
            EXPECT_EQ(field[length - 1], '\n');
            EXPECT_EQ(std::strchr(field, '\n'), field + length - 1);
            EXPECT_EQ(std::strchr(field, '\r'), nullptr);
        }
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// Reading damaged or unusual files

TEST(ScoreFileReading, DefaultFileGivesTenDefaultEntries)
{
    ScoreTable table = parse(DEFAULT_FILE);
    expectWellFormed(table);
    for (const ScoreEntry &entry : table) expectDefaultEntry(entry);
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
}

TEST(ScoreFileReading, EmptyFileGivesDefaults)
{
    ScoreTable table = parse("");
    expectWellFormed(table);
    for (const ScoreEntry &entry : table) expectDefaultEntry(entry);
}

TEST(ScoreFileReading, ShortFileIsMadeUpWithDefaultEntries)
{
    ScoreTable table = parse("Anne\n500\n3\nMary\n400\n2\n");
    expectWellFormed(table);
    EXPECT_STREQ(table[0].name, "Anne\n");
    EXPECT_STREQ(table[1].score, "400\n");
    for (std::size_t i = 2; i < 10; ++i) expectDefaultEntry(table[i]);
}

TEST(ScoreFileReading, EntryCutOffByTheEndOfFileIsNotUsed)
{
    ScoreTable table = parse("Anne\n500\n3\nMary\n400");
    expectWellFormed(table);
    EXPECT_STREQ(table[0].name, "Anne\n");
    expectDefaultEntry(table[1]);
    // A last line without its newline still counts, and gets one.
    EXPECT_STREQ(parse("Anne\n500\n3")[0].level, "3\n");
}

TEST(ScoreFileReading, BlankLinesAreEmptyFieldsInTheirPlace)
{
    ScoreTable table = parse("\n\n\nMary\n400\n2\n");
    expectWellFormed(table);
    EXPECT_STREQ(table[0].name, "\n");
    EXPECT_EQ(scoreFieldValue(table[0].score), 0);
    EXPECT_STREQ(table[1].name, "Mary\n");
}

TEST(ScoreFileReading, LongLineIsCutAndDoesNotSpillIntoTheNextField)
{
    std::string longName(60, 'x');
    ScoreTable table = parse(longName + "\n500\n3\nMary\n400\n2\n");
    expectWellFormed(table);
    EXPECT_EQ(std::string(table[0].name), std::string(38, 'x') + "\n");
    EXPECT_STREQ(table[0].score, "500\n");
    EXPECT_STREQ(table[1].name, "Mary\n");
}

TEST(ScoreFileReading, CutNeverSplitsAUtf8Character)
{
    // 37 ASCII bytes, then a two-byte character over bytes 38 and 39.
    std::string name = std::string(37, 'a') + "\xC3\xA9" + "zz";
    ScoreTable table = parse(name + "\n1\n1\n");
    EXPECT_EQ(std::string(table[0].name), std::string(37, 'a') + "\n");
    // A four-byte character ending exactly at byte 38 stays.
    std::string fits = std::string(34, 'a') + "\xF0\x9F\x8F\xB4" + "z";
    table = parse(fits + "\n1\n1\n");
    EXPECT_EQ(std::string(table[0].name), std::string(34, 'a') + "\xF0\x9F\x8F\xB4" + "\n");
}

TEST(ScoreFileReading, TextThatIsNotANumberCountsAsZeroAndIsKept)
{
    ScoreTable table = parse("Anne\nlots\nfirst\n");
    EXPECT_STREQ(table[0].score, "lots\n");
    EXPECT_EQ(scoreFieldValue(table[0].score), 0);
    EXPECT_EQ(scoreFieldValue(table[0].level), 0);
}

TEST(ScoreFileReading, CrlfLineEndsReadLikeLf)
{
    ScoreTable table = parse("Anne\r\n500\r\n3\r\n");
    expectWellFormed(table);
    EXPECT_STREQ(table[0].name, "Anne\n");
    EXPECT_EQ(scoreFieldValue(table[0].score), 500);
    EXPECT_STREQ(table[0].level, "3\n");
}

TEST(ScoreFileReading, NulBytesAreDroppedAndNeverCutAFieldShort)
{
    std::string text("An\0ne\n5\0"
                     "00\n\0\n\0",
                     14);
    ScoreTable table = parse(text + "Mary\n400\n2\n");
    expectWellFormed(table);
    EXPECT_STREQ(table[0].name, "Anne\n");
    EXPECT_STREQ(table[0].score, "500\n");
    EXPECT_STREQ(table[0].level, "\n");
    EXPECT_STREQ(table[1].name, "Mary\n");
}

TEST(ScoreFileReading, HugeFileReadsOnlyTheTable)
{
    std::string text = DEFAULT_FILE + repeat("Extra\n1\n1\n", 200000) + std::string(1 << 20, 'z');
    ScoreTable table = parse(text);
    expectWellFormed(table);
    for (const ScoreEntry &entry : table) expectDefaultEntry(entry);
}

TEST(ScoreFileReading, HugeSingleLineGivesOneCutField)
{
    std::string text = std::string(5 << 20, 'q') + "\n7\n2\n";
    ScoreTable table = parse(text);
    expectWellFormed(table);
    EXPECT_EQ(std::string(table[0].name), std::string(38, 'q') + "\n");
    EXPECT_STREQ(table[0].score, "7\n");
}

TEST(ScoreFieldValue, OutOfRangeNumbersAreHeldAtTheLimits)
{
    EXPECT_EQ(scoreFieldValue("2147483647\n"), INT_MAX);
    EXPECT_EQ(scoreFieldValue("2147483648\n"), INT_MAX);
    EXPECT_EQ(scoreFieldValue("99999999999999999999999999999999999\n"), INT_MAX);
    EXPECT_EQ(scoreFieldValue("-2147483648\n"), INT_MIN);
    EXPECT_EQ(scoreFieldValue("-99999999999999999999999999999999999\n"), INT_MIN);
}

// ---------------------------------------------------------------------------
// Fields

TEST(ScoreField, NameIsCutAtThirtyEightBytesOnACharacterBoundary)
{
    ScoreEntry entry;
    std::string name = std::string(36, 'n') + "\xE2\x82\xAC";  // euro sign over bytes 37-39
    setScoreField(entry.name, name.c_str());
    EXPECT_EQ(std::string(entry.name), std::string(36, 'n') + "\n");
    setScoreField(entry.name, std::string(100, 'k').c_str());
    EXPECT_EQ(std::string(entry.name), std::string(38, 'k') + "\n");
}

// ---------------------------------------------------------------------------
// Where a new score goes

TEST(ScoreInsertion, ScoreEqualToTheLowestDefaultEarnsNoPlace)
{
    ScoreTable table = defaultScoreTable();
    EXPECT_FALSE(scoreEarnsPlace(table, 100));
    EXPECT_FALSE(insertScore(table, 100, "Cappy Bilgewig", 1));
    EXPECT_EQ(formatScoreTable(table), DEFAULT_FILE);
}

TEST(ScoreInsertion, OneMoreThanTheDefaultsTakesFirstPlace)
{
    ScoreTable table = defaultScoreTable();
    EXPECT_TRUE(scoreEarnsPlace(table, 101));
    ASSERT_TRUE(insertScore(table, 101, "Cappy Bilgewig", 2));
    ASSERT_EQ(table.size(), 10u);
    EXPECT_STREQ(table[0].name, "Cappy Bilgewig\n");
    EXPECT_STREQ(table[0].score, "101\n");
    EXPECT_STREQ(table[0].level, "2\n");
    EXPECT_EQ(formatScoreTable(table), "Cappy Bilgewig\n101\n2\n" + repeat("Captain Bilgewig\n100\n10\n", 9));
}

TEST(ScoreInsertion, EqualScoreGoesBelowEveryEqualEntry)
{
    ScoreTable table = tableWithScores({900, 800, 700, 600, 500, 400, 300, 200, 100, 0});
    ASSERT_TRUE(insertScore(table, 700, "New", 1));
    EXPECT_STREQ(table[2].name, "P2\n");
    EXPECT_STREQ(table[3].name, "New\n");
    EXPECT_STREQ(table[4].name, "P3\n");
    EXPECT_STREQ(table[9].name, "P8\n");

    ScoreTable ties = tableWithScores({50, 50, 50, 50, 10, 10, 10, 10, 10, 10});
    ASSERT_TRUE(insertScore(ties, 50, "Tie", 1));
    EXPECT_STREQ(ties[4].name, "Tie\n");
}

TEST(ScoreInsertion, ScoreBelowEveryEntryButAboveNothingEarnsNoPlace)
{
    ScoreTable table = tableWithScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_FALSE(scoreEarnsPlace(table, 0));
    EXPECT_TRUE(scoreEarnsPlace(table, 1));
    ASSERT_TRUE(insertScore(table, 1, "Last", 1));
    EXPECT_STREQ(table[8].name, "P8\n");
    EXPECT_STREQ(table[9].name, "Last\n");
}

TEST(ScoreInsertion, NegativeTableLetsAZeroScoreTakeFirstPlace)
{
    ScoreTable table = parse(repeat("Nobody\n-1\n1\n", 10));
    ASSERT_TRUE(insertScore(table, 0, "Zero", 1));
    EXPECT_STREQ(table[0].name, "Zero\n");
    EXPECT_STREQ(table[0].score, "0\n");
    EXPECT_STREQ(table[1].name, "Nobody\n");
}
