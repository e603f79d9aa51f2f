// The game's music is heard: Snd/main.mid played through Allegro's DIGMID
// with the instrument set beside the program, the sound card replaced by an
// ALSA "file" device, and the recording checked for sound.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "scratch_dir.h"

namespace {

std::string quote(const std::string &s)
{
    return "'" + s + "'";
}

// Standard deviation of 16-bit little-endian samples, read as signed or
// unsigned (whichever the driver chose: silence is flat either way, and
// the right reading is the smaller one).
double sampleSpread(const std::vector<unsigned char> &raw)
{
    const size_t n = raw.size() / 2;
    if (n == 0) return 0;
    double best = 1e300;
    for (int asSigned = 0; asSigned < 2; ++asSigned) {
        double sum = 0, sq = 0;
        for (size_t i = 0; i < n; ++i) {
            int v = raw[2 * i] | (raw[2 * i + 1] << 8);
            if (asSigned && v >= 32768) v -= 65536;
            sum += v;
            sq += static_cast<double>(v) * v;
        }
        const double mean = sum / n;
        best = std::min(best, std::sqrt(std::max(0.0, sq / n - mean * mean)));
    }
    return best;
}

struct Outcome {
    int status;
    std::string output;
};

Outcome runCommand(const std::string &command)
{
    Outcome r{-1, {}};
    FILE *p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[512];
    while (fgets(buf, sizeof buf, p)) r.output += buf;
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

TEST(AudibleMusic, TheShantyPlaysThroughDigmidWithThePatchSetBesideTheProgram)
{
    const std::string build = GROG_BUILD_DIR;
    ASSERT_TRUE(pathExists(build + "/Snd/main.mid"));
    ASSERT_TRUE(pathExists(build + "/default.cfg"));

    ScratchDir s("grog-audible");
    const std::string home = s.path + "/home", game = s.path + "/game", elsewhere = s.path + "/elsewhere";
    const std::string capture = s.path + "/capture.raw";
    for (const std::string &d : {home, game, elsewhere}) ASSERT_EQ(mkdir(d.c_str(), 0755), 0);
    // Every sample Allegro plays is written to the capture file.
    std::ofstream(home + "/.asoundrc") << "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" << capture
                                       << "\"\n  format \"raw\"\n}\n";
    // The program with its allegro.cfg and default.cfg, as in the build directory.
    std::string copy = "cp " + quote(MIDI_CAPTURE_PLAYER) + " " + quote(game + "/player") + " && cp " +
                       quote(build + "/default.cfg") + " " + quote(game);
    if (pathExists(build + "/allegro.cfg")) copy += " && cp " + quote(build + "/allegro.cfg") + " " + quote(game);
    ASSERT_EQ(std::system(copy.c_str()), 0);

    // Started from another directory: the configuration is found beside the
    // program, not in the working directory.
    // The mixer runs at its own pace, which a busy machine slows: the
    // player goes on until two seconds of sound are in the capture.
    std::string command =
        "cd " + quote(elsewhere) + " && env HOME=" + quote(home) + " ASAN_OPTIONS=detect_leaks=0 timeout 600 ";
    if (!std::getenv("DISPLAY")) command += "xvfb-run -a ";
    command += quote(game + "/player") + " " + quote(build + "/Snd/main.mid") + " 2500 " + quote(capture) + " " +
               std::to_string(2 * 44100 * 2 * 2);
    const Outcome r = runCommand(command);
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("midi=DIGMID"), std::string::npos) << r.output;

    std::ifstream in(capture, std::ios::binary);
    const std::vector<unsigned char> raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(raw.size(), 44100u * 2 * 2) << "less than a second of sound was captured";
    const double spread = sampleSpread(raw);
    EXPECT_GT(spread, 300.0) << "the capture is silence";
    std::printf("captured %zu bytes, sample spread %.0f\n", raw.size(), spread);
}

TEST(AudibleMusic, SilenceMeasuresAsSilence)
{
    // The measure itself: flat signed and flat unsigned silence are both 0.
    EXPECT_EQ(sampleSpread(std::vector<unsigned char>(4000, 0)), 0.0);
    std::vector<unsigned char> unsignedSilence;
    for (int i = 0; i < 2000; ++i) unsignedSilence.insert(unsignedSilence.end(), {0x00, 0x80});
    EXPECT_EQ(sampleSpread(unsignedSilence), 0.0);
    // A tiny hiss around the unsigned midpoint is small, not a wrap-around.
    std::vector<unsigned char> hiss;
    for (int i = 0; i < 2000; ++i)
        hiss.insert(hiss.end(),
                    {static_cast<unsigned char>(i % 2 ? 0x02 : 0xFE), static_cast<unsigned char>(i % 2 ? 0x80 : 0x7F)});
    EXPECT_LT(sampleSpread(hiss), 5.0);
}

}  // namespace
