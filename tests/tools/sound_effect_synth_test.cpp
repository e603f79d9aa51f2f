// The effect synthesiser keeps its word on the shape of a sound, and the
// effects it writes at every build are the ones listened to: loadable,
// short, at their level, and byte for byte as recorded here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "Snd/sound_effect.h"
#include "allegro_fixture.h"
#include "sound_effect_synth.h"

namespace {

::testing::Environment *const allegroEnv = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

// A plain square note: no filter, slide or vibrato; a flat hold only.
SoundEffectRecipe plainSquare()
{
    return {"test", EffectWave::Square,
            0.0,    0.2,
            0.0,    0.0,
            441.0,  0.0,
            0.0,    0.0,
            0.0,    0.0,
            1.0,    0.0,
            0.5,    0.0,
            0.0,    0.0,
            0.0,    -6.0};
}

double shareAboveZero(const std::vector<std::int16_t> &s, std::size_t from, std::size_t to)
{
    const auto above = std::count_if(s.begin() + static_cast<long>(from), s.begin() + static_cast<long>(to),
                                     [](std::int16_t v) { return v > 0; });
    return static_cast<double>(above) / static_cast<double>(to - from);
}

int upwardCrossings(const std::vector<std::int16_t> &s, std::size_t from, std::size_t to)
{
    int n = 0;
    for (std::size_t i = from + 1; i < to; ++i) n += s[i - 1] <= 0 && s[i] > 0;
    return n;
}

TEST(EffectSynthesiser, SquareWaveIsHighForItsDutyAndTheSweepMovesIt)
{
    SoundEffectRecipe r = plainSquare();
    r.duty = 0.25;
    const auto quarter = synthesiseEffect(r);
    EXPECT_NEAR(shareAboveZero(quarter, 0, quarter.size()), 0.25, 0.02);
    r.duty = 0.5;
    const auto even = synthesiseEffect(r);
    EXPECT_NEAR(shareAboveZero(even, 0, even.size()), 0.5, 0.02);
    // Swept from 0.5 by -2 a second over 0.2 s: near 0.1 at the end.
    r.dutySweep = -2.0;
    const auto swept = synthesiseEffect(r);
    const std::size_t n = swept.size();
    EXPECT_GT(shareAboveZero(swept, 0, n / 10), 0.4);
    EXPECT_LT(shareAboveZero(swept, n - n / 10, n), 0.2);
}

TEST(EffectSynthesiser, EnvelopeSetsTheLengthRisesAndEndsInSilence)
{
    SoundEffectRecipe r = plainSquare();
    r.attack = 0.01;
    r.sustain = 0.02;
    r.decay = 0.03;
    r.punch = 1.0;
    const auto s = synthesiseEffect(r);
    ASSERT_EQ(s.size(), 2646u);  // 0.06 s at 44,100 a second
    auto loudest = [&](std::size_t from, std::size_t to) {
        int m = 0;
        for (std::size_t i = from; i < to; ++i) m = std::max(m, std::abs(static_cast<int>(s[i])));
        return m;
    };
    // The punch: the hold starts louder than it ends; the rise starts quiet.
    EXPECT_GT(loudest(441, 541), loudest(1223, 1323) * 3 / 2);
    EXPECT_LT(loudest(0, 40), loudest(441, 541) / 4);
    // The fall reaches silence by the last sample.
    EXPECT_LT(loudest(s.size() - 20, s.size()), loudest(441, 541) / 20);
    // The loudest sample sits at -6 dBFS: half of full scale.
    EXPECT_NEAR(loudest(0, s.size()), 16422, 2);
}

TEST(EffectSynthesiser, SlidesAndJumpsMoveThePitchTheirWay)
{
    SoundEffectRecipe r = plainSquare();
    r.sustain = 0.4;
    const std::size_t tenth = 1764;  // 40 ms
    // Two octaves a second for 0.4 s: 0.8 octaves, some 1.7 times the pitch.
    r.slide = 2.0;
    const auto rising = synthesiseEffect(r);
    EXPECT_GT(2 * upwardCrossings(rising, rising.size() - tenth, rising.size()), 3 * upwardCrossings(rising, 0, tenth));
    r.slide = -4.0;
    r.lowestHz = 200.0;
    const auto falling = synthesiseEffect(r);
    // Falls to its floor and stays there: 0.04 s of 200 Hz is 8 periods.
    EXPECT_LT(upwardCrossings(falling, falling.size() - tenth, falling.size()), upwardCrossings(falling, 0, tenth));
    EXPECT_NEAR(upwardCrossings(falling, falling.size() - tenth, falling.size()), 8, 1);
    // A jump of an octave halfway doubles the pitch; a repeat brings it back.
    r = plainSquare();
    r.sustain = 0.4;
    r.arpeggioRatio = 2.0;
    r.arpeggioDelay = 0.1;
    r.repeatEvery = 0.2;
    const auto jumping = synthesiseEffect(r);
    const int before = upwardCrossings(jumping, 0, tenth);
    EXPECT_NEAR(upwardCrossings(jumping, 5 * tenth / 2 + tenth, 7 * tenth / 2 + tenth), 2 * before, 1);
    EXPECT_NEAR(upwardCrossings(jumping, 5 * tenth, 6 * tenth), before, 1);
}

TEST(EffectSynthesiser, NoiseIsNoiseAndTheSameAtEveryRun)
{
    SoundEffectRecipe r = plainSquare();
    r.wave = EffectWave::Noise;
    r.pitchHz = 4000.0;
    const auto first = synthesiseEffect(r);
    EXPECT_EQ(synthesiseEffect(r), first);
    // Not a tone: values spread widely and change sign often.
    std::map<int, int> buckets;
    for (const std::int16_t v : first) ++buckets[v / 2048];
    EXPECT_GE(buckets.size(), 12u);
    EXPECT_GT(upwardCrossings(first, 0, first.size()), 500);
}

// 64-bit FNV-1a of a file's bytes.
std::string fileDigest(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::uint64_t hash = 14695981039346656037ull;
    char c;
    while (in.get(c)) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// The effects as listened to when their recipes were chosen. A changed
// digest means a changed sound: listen, then update the line.
// clang-format off
const std::map<std::string, std::string> KEPT_DIGESTS = {
    {"bottle",      "dc660ef2d39ca913"},
    {"stairs_down", "ce5d5b3cde4a4ecf"},
    {"stairs_up",   "f8f9531f9fc69b20"},
    {"monster",     "0282b57223372e14"},
    {"trapped",     "5c27580d2bdd8073"},
    {"game_over",   "a8018eab0fb28ab8"},
    {"score_saved", "26e2dc2f5240660c"},
    {"pause",       "b2313df7dbadddbe"},
    {"resume",      "dcdf3a106f5b50ce"},
    {"game_start",  "dea47146f4c9bd8d"},
};
// clang-format on

TEST(EffectFiles, LoadShortAtTheirLevelAndAsListenedTo)
{
    ASSERT_GE(gameSoundEffects().size(), 10u);
    for (const SoundEffectRecipe &r : gameSoundEffects()) {
        const std::string path = std::string(GROG_BUILD_DIR) + "/Snd/" + r.name + ".wav";
        SAMPLE *sample = load_sample(path.c_str());
        ASSERT_NE(sample, nullptr) << path;
        EXPECT_EQ(sample->bits, 16) << r.name;
        EXPECT_EQ(sample->stereo, 0) << r.name;
        EXPECT_EQ(sample->freq, EFFECT_SAMPLE_RATE) << r.name;
        const double seconds = static_cast<double>(sample->len) / sample->freq;
        EXPECT_LE(seconds, std::string(r.name) == "game_over" ? 2.0 : 0.6) << r.name;
        destroy_sample(sample);
        const auto kept = KEPT_DIGESTS.find(r.name);
        ASSERT_NE(kept, KEPT_DIGESTS.end()) << r.name << " has no kept digest";
        EXPECT_EQ(fileDigest(path), kept->second) << r.name;
    }
}

}  // namespace
