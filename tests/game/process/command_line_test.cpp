#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "process/command_line.h"
#include "display/window_scale.h"

namespace {

bool parse(const std::vector<const char *> &words, LaunchOptions &options)
{
    std::vector<const char *> argv{"grog-sloop"};
    argv.insert(argv.end(), words.begin(), words.end());
    return parseCommandLine(static_cast<int>(argv.size()), argv.data(), options);
}

}  // namespace

TEST(CommandLine, AcceptsNothingOrOneSeed)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({}, options));
    EXPECT_FALSE(options.seedGiven);
    ASSERT_TRUE(parse({"--seed", "42"}, options));
    EXPECT_TRUE(options.seedGiven);
    EXPECT_EQ(options.seed, 42u);
    ASSERT_TRUE(parse({"--seed", "4294967295"}, options));
    EXPECT_EQ(options.seed, 4294967295u);
}

TEST(CommandLine, RefusesAnythingElseAndKeepsTheOptions)
{
    const std::vector<std::vector<const char *>> refused = {
        {"--seed"},
        {"--seed", ""},
        {"--seed", "-1"},
        {"--seed", "+5"},
        {"--seed", "12x"},
        {"--seed", "0x10"},
        {"--seed", "4294967296"},
        {"--seed", "1", "--seed", "2"},
        {"--seed", "1", "extra"},
        {"--seed=5"},
        {"5"},
        {"--scale"},
        {"--scale", "0"},
        {"--scale", "5"},
        {"--scale", "02"},
        {"--scale", "2", "--scale", "3"},
        {"--scale", "Auto"},
        {"--scale", ""},
        {"--scale", "--seed", "1"},
        {"--fullscreen", "--fullscreen"},
        {"--fullscreen", "1"},
    };
    for (const auto &words : refused) {
        LaunchOptions options;
        options.seed = 777;
        EXPECT_FALSE(parse(words, options)) << words.front() << " " << (words.size() > 1 ? words[1] : "");
        EXPECT_FALSE(options.seedGiven);
        EXPECT_EQ(options.seed, 777u);
    }
}

// A refused command line is answered with what is wrong, above the usage:
// the option and, for a bad value, the values it takes.
TEST(CommandLine, ARefusalSaysWhatIsWrongWithIt)
{
    const std::vector<std::pair<std::vector<const char *>, std::string>> refused = {
        {{"--scale", "5"}, "--scale takes 1, 2, 3, 4 or auto, not \"5\""},
        {{"--seed", "1", "--scale"}, "--scale needs a value: 1, 2, 3, 4 or auto"},
        {{"--seed", "-1"}, "--seed takes a whole number from 0 to 4294967295, not \"-1\""},
        {{"--replay", "a", "--stop-at", "4294967296"},
         "--stop-at takes a whole number from 0 to 4294967295, not \"4294967296\""},
        {{"--level", "3"}, "unknown option \"--level\""},
        {{"--scale", "2", "--scale", "3"}, "--scale is given twice"},
        {{"--stop-at", "5"}, "--stop-at needs --replay or --replay-fast"},
        {{"--record", "a", "--verify", "b"}, "only one of --record, --replay, --replay-fast and --verify can be given"},
    };
    for (const auto &[words, expected] : refused) {
        std::vector<const char *> argv{"grog-sloop"};
        argv.insert(argv.end(), words.begin(), words.end());
        LaunchOptions options;
        std::string why;
        EXPECT_FALSE(parseCommandLine(static_cast<int>(argv.size()), argv.data(), options, &why));
        EXPECT_EQ(why, expected);
    }
}

TEST(CommandLine, TakesOneRecordingOrReplayWithItsFile)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({"--seed", "5", "--record", "game.rec"}, options));
    EXPECT_STREQ(options.recordPath, "game.rec");
    EXPECT_EQ(options.replayPath, nullptr);
    ASSERT_TRUE(parse({"--replay-fast", "game.rec"}, options));
    EXPECT_STREQ(options.replayPath, "game.rec");
    EXPECT_TRUE(options.replayFast);
    ASSERT_TRUE(parse({"--replay", "--seed"}, options)) << "a file may have any name";
    EXPECT_STREQ(options.replayPath, "--seed");
    EXPECT_FALSE(options.replayFast);
    EXPECT_FALSE(options.stopGiven);
    ASSERT_TRUE(parse({"--stop-at", "0", "--replay-fast", "game.rec"}, options)) << "step 0: the first title screen";
    EXPECT_TRUE(options.stopGiven);
    EXPECT_EQ(options.stopAtStep, 0u);

    const std::vector<std::vector<const char *>> refused = {
        {"--record"},
        {"--replay", ""},
        {"--replay", "a", "--seed", "1"},
        {"--seed", "1", "--replay-fast", "a"},
        {"--record", "a", "--replay", "b"},
        {"--replay", "a", "--replay", "b"},
        {"--record", "a", "--record", "b"},
        {"--stop-at", "5"},
        {"--record", "a", "--stop-at", "5"},
        {"--replay", "a", "--stop-at", "-1"},
        {"--replay", "a", "--stop-at", "5", "--stop-at", "6"},
    };
    for (const auto &words : refused) {
        LaunchOptions kept;
        EXPECT_FALSE(parse(words, kept)) << words.front() << " " << words.size();
        EXPECT_EQ(kept.recordPath, nullptr);
        EXPECT_EQ(kept.replayPath, nullptr);
    }
}

TEST(CommandLine, ScaleFromOneToFourOrAutoBesideTheSeed)
{
    LaunchOptions options;
    ASSERT_TRUE(parse({}, options));
    EXPECT_EQ(options.windowScale, 1) << "no option, the plain window";
    ASSERT_TRUE(parse({"--scale", "4", "--seed", "9"}, options));
    EXPECT_EQ(options.windowScale, 4);
    EXPECT_EQ(options.seed, 9u);
    ASSERT_TRUE(parse({"--seed", "9", "--scale", "auto"}, options));
    EXPECT_EQ(options.windowScale, SCALE_TO_DESKTOP);
    EXPECT_FALSE(options.fullscreen);
    // Fullscreen keeps the scale: the window it goes back to.
    ASSERT_TRUE(parse({"--fullscreen", "--scale", "3"}, options));
    EXPECT_TRUE(options.fullscreen);
    EXPECT_EQ(options.windowScale, 3);
}

// Every option --help lists is one the game takes (with a sample value for
// its argument), and the manual page names each one.
TEST(CommandLine, EveryOptionOfTheHelpIsAcceptedAndInTheManual)
{
    std::ifstream manualFile(GROG_MANUAL);
    std::stringstream manual;
    manual << manualFile.rdbuf();
    ASSERT_FALSE(manual.str().empty()) << GROG_MANUAL;

    std::istringstream help(helpText());
    std::string line;
    int options = 0;
    while (std::getline(help, line)) {
        if (line.rfind("  --", 0) != 0) continue;
        std::istringstream words(line);
        std::string option;
        std::string argument;
        words >> option >> argument;
        std::vector<std::string> argv = {"grog-sloop", option};
        if (argument == "N" || argument == "N|auto") argv.push_back("2");
        if (argument == "FILE") argv.push_back("game.rec");
        // A step to stop at needs a replay to stop.
        if (argument == "STEP") argv.insert(argv.end(), {"7", "--replay", "game.rec"});
        std::vector<const char *> pointers;
        pointers.reserve(argv.size());
        for (const std::string &word : argv) pointers.push_back(word.c_str());
        LaunchOptions parsed;
        EXPECT_TRUE(parseCommandLine(static_cast<int>(pointers.size()), pointers.data(), parsed)) << line;
        std::string troffName;
        for (char c : option) troffName += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(manual.str().find(troffName), std::string::npos) << option << " is not in the manual";
        ++options;
    }
    EXPECT_GE(options, 8);
}
