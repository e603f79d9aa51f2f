// The effects are heard where they happen. The real program replays a kept
// recording at the normal pace (F2 pauses the music at its first step; a
// bottle, the stairs down and up, and a trap follow) with the sound card
// replaced by an ALSA "file" device, and each effect's waveform is found in
// the capture by normalised cross-correlation with its WAV.
//
// The capture's clock is the mixer's, which the file device does not hold
// to real time: it runs at a steady multiple of it. So the positions found
// are fitted to the steps of their events by one scale and one offset, and
// each must lie within two steps of the fit.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
// The recording's events: the step each happens in (the title's key is 0).
// F2 at step 1 holds the game for 200 ms, three steps' worth.
constexpr double F2_HOLD_STEPS = 3.0;
// Likeness is the normalised correlation: 1 for an exact copy at any
// loudness, near 0.05 for an effect where it is not. The game's start
// shares its first tenth of a second with the music, before F2.
struct Heard {
    const char *effect;
    int step;
    double leastLikeness;
};
// clang-format off
const Heard RECORDED_EFFECTS[] = {
    // effect       step  likeness
    {"game_start",   0,   0.4},
    {"bottle",      25,   0.8},
    {"stairs_down", 32,   0.8},
    {"stairs_up",   45,   0.8},
    {"trapped",     77,   0.8},
};
// clang-format on

std::string quote(const std::string &s)
{
    return "'" + s + "'";
}

struct Scratch {
    std::string path;
    Scratch()
    {
        char pattern[] = "/tmp/grog-heard-XXXXXX";
        if (const char *made = mkdtemp(pattern)) path = made;
    }
    ~Scratch()
    {
        if (!path.empty()) std::system(("rm -rf " + quote(path)).c_str());
    }
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;
};

std::vector<unsigned char> readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Replays the recording with `options`; returns the captured sound as mono
// samples, or nothing when the program failed (the reason in `failure`).
std::vector<double> replayAndCapture(const std::string &options, std::string &failure)
{
    Scratch s;
    const std::string home = s.path + "/home", game = s.path + "/game", capture = s.path + "/capture.raw";
    mkdir(home.c_str(), 0755);
    mkdir(game.c_str(), 0755);
    std::ofstream(home + "/.asoundrc") << "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" << capture
                                       << "\"\n  format \"raw\"\n}\n";
    const std::string build = GROG_BUILD_DIR;
    std::string command = "cp -r " + quote(build + "/Gfx") + " " + quote(build + "/Snd") + " " +
                          quote(build + "/default.cfg") + " " + quote(game) + " && cd " + quote(game) +
                          " && env HOME=" + quote(home) + " ASAN_OPTIONS=detect_leaks=0 timeout 60 ";
    if (!std::getenv("DISPLAY")) command += "xvfb-run -a ";
    command += quote(GROG_PROGRAM) + " " + options + " --replay " + quote(HEARD_RECORDING) + " >" +
               quote(s.path + "/out.txt") + " 2>&1";
    const int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const std::vector<unsigned char> out = readBytes(s.path + "/out.txt");
        failure = "the replay failed: " + std::string(out.begin(), out.end());
        return {};
    }
    const std::vector<unsigned char> raw = readBytes(capture);
    // 16-bit stereo, signed or unsigned as the driver chose: before the
    // title's first note the capture is silence, which tells which.
    const std::size_t frames = raw.size() / 4;
    auto word = [&](std::size_t i) { return raw[2 * i] | (raw[2 * i + 1] << 8); };
    const bool offsetBinary = frames > 0 && word(0) == 0x8000;
    std::vector<double> mono(frames);
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0;
        for (std::size_t c = 0; c < 2; ++c) {
            int v = word(2 * f + c);
            v = offsetBinary ? v - 0x8000 : (v >= 0x8000 ? v - 0x10000 : v);
            sum += v;
        }
        mono[f] = sum / 2;
    }
    return mono;
}

std::vector<double> effectSamples(const std::string &name)
{
    const std::vector<unsigned char> bytes = readBytes(std::string(GROG_BUILD_DIR) + "/Snd/" + name + ".wav");
    std::vector<double> samples;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return samples;
}

using Complex = std::complex<double>;

void fft(std::vector<Complex> &a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = 2 * M_PI / static_cast<double>(len) * (inverse ? 1 : -1);
        const Complex unit(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            Complex w(1);
            for (std::size_t k = 0; k < len / 2; ++k) {
                const Complex u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= unit;
            }
        }
    }
    if (inverse)
        for (Complex &x : a) x /= static_cast<double>(n);
}

struct Found {
    std::size_t at = 0;   // capture frame where the effect starts
    double likeness = 0;  // normalised correlation there
};

// Where in the capture the effect's waveform fits best: the correlation
// with the effect, divided by both energies under it (1: the same shape at
// any loudness).
Found bestFit(const std::vector<double> &capture, const std::vector<double> &effect)
{
    Found best;
    if (capture.size() <= effect.size()) return best;
    std::size_t n = 1;
    while (n < capture.size() + effect.size()) n <<= 1;
    std::vector<Complex> a(n), b(n);
    for (std::size_t i = 0; i < capture.size(); ++i) a[i] = capture[i];
    for (std::size_t i = 0; i < effect.size(); ++i) b[i] = effect[i];
    fft(a, false);
    fft(b, false);
    for (std::size_t i = 0; i < n; ++i) a[i] *= std::conj(b[i]);
    fft(a, true);
    std::vector<double> energy(capture.size() + 1, 0.0);
    for (std::size_t i = 0; i < capture.size(); ++i) energy[i + 1] = energy[i] + capture[i] * capture[i];
    double effectEnergy = 0;
    for (const double v : effect) effectEnergy += v * v;
    const std::size_t len = effect.size();
    for (std::size_t i = 0; i + len <= capture.size(); ++i) {
        const double under = energy[i + len] - energy[i];
        // Near-silence would make any wiggle a perfect match.
        if (under < effectEnergy * 0.01) continue;
        const double likeness = a[i].real() / std::sqrt(under * effectEnergy);
        if (likeness > best.likeness) best = {i, likeness};
    }
    return best;
}

TEST(HeardEffects, EachEffectSoundsWithinTwoStepsOfItsEvent)
{
    std::string failure;
    const std::vector<double> capture = replayAndCapture("", failure);
    ASSERT_FALSE(capture.empty()) << failure;

    std::vector<double> steps, frames;
    for (const Heard &h : RECORDED_EFFECTS) {
        const Found found = bestFit(capture, effectSamples(h.effect));
        std::printf("%-12s step %2d: at %.3f s of the capture, likeness %.2f\n", h.effect, h.step,
                    static_cast<double>(found.at) / RATE, found.likeness);
        EXPECT_GE(found.likeness, h.leastLikeness) << h.effect << " is not in the capture";
        steps.push_back(h.step == 0 ? 0.0 : h.step + F2_HOLD_STEPS);
        frames.push_back(static_cast<double>(found.at));
    }
    // Least squares: frames = offset + framesPerStep * step.
    const double n = static_cast<double>(steps.size());
    double ms = 0, mf = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) ms += steps[i] / n, mf += frames[i] / n;
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        sxy += (steps[i] - ms) * (frames[i] - mf);
        sxx += (steps[i] - ms) * (steps[i] - ms);
    }
    const double framesPerStep = sxy / sxx;
    const double offset = mf - framesPerStep * ms;
    std::printf("one step is %.0f frames of the capture (%.0f in real time)\n", framesPerStep, RATE / 15.0);
    // The mixer may run ahead of real time but keeps the order and pace.
    ASSERT_GT(framesPerStep, RATE / 15.0 / 2) << "the effects are not in the order of their events";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const double off = (frames[i] - offset - framesPerStep * steps[i]) / framesPerStep;
        std::printf("%-12s %+.2f steps from the fit\n", RECORDED_EFFECTS[i].effect, off);
        EXPECT_LE(std::fabs(off), 2.0) << RECORDED_EFFECTS[i].effect << " is " << off << " steps from its event";
    }
}

TEST(HeardEffects, WithEffectsOffOnlyTheMusicBeforeF2IsHeard)
{
    std::string failure;
    const std::vector<double> capture = replayAndCapture("--no-sound-effects", failure);
    ASSERT_FALSE(capture.empty()) << failure;
    // The music sounds from the title's key to the F2 a step later, and its
    // last notes fade; after that nothing. On a busy machine F2 can pause
    // the music before its first note reaches the mixer, so a silent capture
    // passes too: that the capture hears at all is the test above's proof.
    constexpr double AUDIBLE = 64;
    std::size_t first = capture.size(), last = 0;
    for (std::size_t i = 0; i < capture.size(); ++i)
        if (std::fabs(capture[i]) > AUDIBLE) first = std::min(first, i), last = i;
    if (first == capture.size()) return;
    EXPECT_LT(static_cast<double>(last - first) / RATE, 1.5)
        << "sound from " << static_cast<double>(first) / RATE << " s to " << static_cast<double>(last) / RATE
        << " s of the capture";
}

}  // namespace
