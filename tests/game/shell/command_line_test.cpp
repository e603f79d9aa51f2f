#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_line.h"

namespace {

bool parse(const std::vector<const char *> &words, LaunchOptions &options)
{
    std::vector<const char *> argv{"grog-sloop"};
    argv.insert(argv.end(), words.begin(), words.end());
    return parseCommandLine(static_cast<int>(argv.size()), argv.data(), options);
}

} // namespace

TEST(CommandLine, NothingMeansTheClockSeeds)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({}, options));
    EXPECT_FALSE(options.seedGiven);
}

TEST(CommandLine, SeedIsTaken)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({"--seed", "42"}, options));
    EXPECT_TRUE(options.seedGiven);
    EXPECT_EQ(options.seed, 42u);
}

TEST(CommandLine, SeedRangeEnds)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({"--seed", "0"}, options));
    EXPECT_EQ(options.seed, 0u);
    ASSERT_TRUE(parse({"--seed", "4294967295"}, options));
    EXPECT_EQ(options.seed, 4294967295u);
}

TEST(CommandLine, RefusesWhatItDoesNotKnow)
{
    const std::vector<std::vector<const char *>> refused = {
        {"--seed"},  // number missing
        {"--seed", ""},               // empty number
        {"--seed", "-1"},             // negative
        {"--seed", "+5"},             // sign
        {"--seed", " 5"},             // leading space
        {"--seed", "12x"},            // trailing garbage
        {"--seed", "0x10"},           // hex
        {"--seed", "4294967296"},     // one past the largest seed
        {"--seed", "99999999999999999999999"},
        {"--seed", "1", "--seed", "2"},  // twice
        {"--seed", "1", "extra"},
        {"--seed=5"},
        {"--help"},
        {"5"},
    };
    for (const auto &words : refused) {
        LaunchOptions options;
        options.seed = 777;
        EXPECT_FALSE(parse(words, options)) << "first word: " << words.front();
        EXPECT_FALSE(options.seedGiven);
        EXPECT_EQ(options.seed, 777u) << "a refused line must not change the options";
    }
}

TEST(CommandLine, UsageLineIsOneLine)
{
    const std::string usage = usageLine();
    EXPECT_NE(usage.find("--seed N"), std::string::npos);
    EXPECT_EQ(usage.find('\n'), usage.size() - 1);
}
