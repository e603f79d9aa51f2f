// The MIDI instrument set: DIGMID's numbering, the freepats scan, the
// files beside the game, and that every sound the tune uses comes from the
// freepats patch it was written for.
#include <allegro.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "Snd/shanty.h"
#include "allegro_fixture.h"
#include "asset_files.h"
#include "patch_config.h"
#include "scratch_dir.h"

namespace {

::testing::Environment *const allegroEnv = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

const std::string FREEPATS = "/usr/share/midi/freepats";

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DigmidConfig, MelodicProgramsCountFromOneAndDrumsGoInTheMultipatchBlock)
{
    PatchSet set;
    set.programs[0] = "/p/piano.pat";
    set.programs[21] = "/p/accordion.pat";
    set.drums[36] = "/d/kick.pat";
    const std::string text = digmidConfig(set);
    EXPECT_NE(text.find("\n1 /p/piano.pat\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n22 /p/accordion.pat\n"), std::string::npos) << text;
    const size_t begin = text.find("129-256 begin_multipatch default blank\n");
    const size_t kick = text.find("\n36 /d/kick.pat\n");
    const size_t end = text.find("end_multipatch");
    ASSERT_NE(begin, std::string::npos);
    EXPECT_LT(begin, kick);
    EXPECT_LT(kick, end);

    const PatchSet back = readDigmidConfig(text);
    EXPECT_EQ(back.programs, set.programs);
    EXPECT_EQ(back.drums, set.drums);
}

TEST(DigmidConfig, ReadingSkipsCommentsAndNonsense)
{
    const PatchSet s = readDigmidConfig("# 5 not-this\n\n  3 /x.pat # trailing\nfoo bar\n0 /zero.pat\n");
    EXPECT_EQ(s.programs.size(), 1u);
    EXPECT_EQ(s.programs.at(2), "/x.pat");
}

TEST(FreepatsScan, NumberedFilesBecomeProgramsAndDrumKeys)
{
    ScratchDir dir("grog-patches");
    mkdir((dir.path + "/Tone_000").c_str(), 0755);
    mkdir((dir.path + "/Drum_000").c_str(), 0755);
    dir.touch("Tone_000/021_Accordion.pat");
    dir.touch("Tone_000/000_Piano.pat");
    dir.touch("Tone_000/021_Accordion.txt");
    dir.touch("Tone_000/readme.pat");
    dir.touch("Drum_000/036_Kick_2.pat");
    const PatchSet s = scanFreepats(dir.path);
    EXPECT_EQ(s.programs.size(), 2u);
    EXPECT_EQ(s.programs.at(21), dir.path + "/Tone_000/021_Accordion.pat");
    EXPECT_EQ(s.programs.at(0), dir.path + "/Tone_000/000_Piano.pat");
    EXPECT_EQ(s.drums.size(), 1u);
    EXPECT_EQ(s.drums.at(36), dir.path + "/Drum_000/036_Kick_2.pat");
    EXPECT_TRUE(scanFreepats(dir.path + "/missing").programs.empty());
}

TEST(GameFiles, EverySoundOfTheTuneMapsToTheFreepatsPatchMeantForIt)
{
    // clang-format off
    const std::map<int, std::string> meantPrograms = {
        {21, "Tone_000/021_Accordion.pat"},
        {40, "Tone_000/040_Violin.pat"},
        {58, "Tone_000/058_Tuba.pat"},
        {45, "Tone_000/045_Pizzicato_Strings.pat"},
    };
    const std::map<int, std::string> meantDrums = {
        {36, "Drum_000/036_Kick_2.pat"},
        {54, "Drum_000/054_Tombourine.pat"},
        {39, "Drum_000/039_Clap_Hand.pat"},
        {42, "Drum_000/042_Hi-Hat_Closed.pat"},
        {49, "Drum_000/049_Cymbal_Crash_1.pat"},
    };
    // clang-format on
    const PatchSet cfg = readDigmidConfig(readFile(std::string(GROG_BUILD_DIR) + "/default.cfg"));
    for (const ShantyPart &p : drunkenSailor().parts) {
        ASSERT_EQ(meantPrograms.count(p.program), 1u) << p.name << " plays a program nobody chose a patch for";
        ASSERT_EQ(cfg.programs.count(p.program), 1u) << p.name << " has no patch in default.cfg";
        EXPECT_EQ(cfg.programs.at(p.program), FREEPATS + "/" + meantPrograms.at(p.program)) << p.name;
        EXPECT_TRUE(pathExists(cfg.programs.at(p.program))) << cfg.programs.at(p.program);
    }
    for (const ShantyDrum &d : drunkenSailor().drums) {
        ASSERT_EQ(meantDrums.count(d.note), 1u) << d.name;
        ASSERT_EQ(cfg.drums.count(d.note), 1u) << d.name << " has no patch in default.cfg";
        EXPECT_EQ(cfg.drums.at(d.note), FREEPATS + "/" + meantDrums.at(d.note)) << d.name;
        EXPECT_TRUE(pathExists(cfg.drums.at(d.note))) << cfg.drums.at(d.note);
    }
}

TEST(GameFiles, AllegroConfigBesideTheGamePointsAtThePatchSet)
{
    const std::string text = allegroConfig();
    EXPECT_NE(text.find("[sound]\npatches = default.cfg\n"), std::string::npos);
    EXPECT_EQ(text.rfind(GENERATED_CONFIG_MARK, 0), 0u);
}

class UserConfig : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char *home = std::getenv("HOME");
        if (home) savedHome = home;
        hadHome = home != nullptr;
        const char *al = std::getenv("ALLEGRO");
        if (al) savedAllegro = al;
        hadAllegro = al != nullptr;
        setenv("HOME", home_.path.c_str(), 1);
        unsetenv("ALLEGRO");
    }
    void TearDown() override
    {
        if (hadHome)
            setenv("HOME", savedHome.c_str(), 1);
        else
            unsetenv("HOME");
        if (hadAllegro) setenv("ALLEGRO", savedAllegro.c_str(), 1);
    }
    bool systemWideConfig() const { return pathExists("/etc/allegro.cfg") || pathExists("/etc/allegrorc"); }

    ScratchDir home_{"grog-patches"}, out_{"grog-patches"};
    std::string savedHome, savedAllegro;
    bool hadHome = false, hadAllegro = false;
};

TEST_F(UserConfig, WithoutOneTheGameGetsItsOwnAllegroCfg)
{
    if (systemWideConfig()) GTEST_SKIP() << "this machine has a system-wide Allegro configuration";
    EXPECT_EQ(userAllegroConfig(), "");
    std::string log;
    AssetOptions o;
    o.outputDir = out_.path;
    ASSERT_EQ(writeAssets(o, &log), "");
    EXPECT_EQ(readFile(out_.path + "/allegro.cfg"), allegroConfig());
    for (const char *f : {"/Gfx/Tile.bmp", "/Gfx/Status.bmp", "/Snd/main.mid", "/default.cfg"})
        EXPECT_TRUE(pathExists(out_.path + f)) << f;
}

TEST_F(UserConfig, TheUsersOwnKeepsPrecedence)
{
    home_.touch(".allegrorc", "[sound]\npatches = /my/own.cfg\n");
    EXPECT_EQ(userAllegroConfig(), home_.path + "/.allegrorc");
    // A stale generated allegro.cfg goes; default.cfg stays for DIGMID to find.
    out_.touch("allegro.cfg", allegroConfig());
    std::string log;
    AssetOptions o;
    o.outputDir = out_.path;
    ASSERT_EQ(writeAssets(o, &log), "");
    EXPECT_FALSE(pathExists(out_.path + "/allegro.cfg"));
    EXPECT_TRUE(pathExists(out_.path + "/default.cfg"));
    EXPECT_NE(log.find(".allegrorc"), std::string::npos) << log;
}

TEST_F(UserConfig, AnAllegroCfgSomeoneElseWroteIsLeftAlone)
{
    home_.touch("allegro.cfg", "[sound]\n");
    out_.touch("allegro.cfg", "[graphics]\n# hand-made\n");
    std::string log;
    AssetOptions o;
    o.outputDir = out_.path;
    ASSERT_EQ(writeAssets(o, &log), "");
    EXPECT_EQ(readFile(out_.path + "/allegro.cfg"), "[graphics]\n# hand-made\n");
}

TEST(AssetFiles, AnUnwritableDirectoryIsReportedNotIgnored)
{
    std::string log;
    AssetOptions o;
    o.outputDir = "/proc/no-such-place/game";
    EXPECT_NE(writeAssets(o, &log), "");
}

}  // namespace
