// The effects are heard in the steps of their events. The real program
// replays a kept recording at the normal pace (F2 pauses the music at its
// first step; a bottle, the stairs down and up, and a trap follow) with
// the sound card replaced by an ALSA "file" device, and each effect's
// waveform is looked for in the capture by normalised cross-correlation
// with its WAV.
//
// The capture's clock is the mixer's, which runs ahead of real time and,
// on a busy machine, unevenly, so no position in it is compared with a
// step. The replay is held instead (--stop-at) at the step before each
// event and at the event's own step, the mixer running on: an effect that
// is in the capture of the hold at its event's step and not in that of the
// hold a step earlier sounds in the step of its event, however slow the
// machine. Each capture is read once the mixer has gone on past the hold
// long enough for any effect started before it to be whole in it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr std::size_t CAPTURE_FRAME_BYTES = 4;  // 16-bit stereo
// A replay held at step s has played the effects of the title's key and of
// play steps 1 to s; held at step 0 it stands on the title, before the key.
// So each effect's step is the first hold that has it (for the game's
// start, which comes with the title's key, step 1). Likeness is the
// normalised correlation: 1 for an exact copy at any loudness, near 0.05
// for an effect where it is not. The game's start shares its first tenth
// of a second with the music, before F2.
struct Heard {
    const char *effect;
    int step;
    double leastLikeness;
};
// clang-format off
const Heard RECORDED_EFFECTS[] = {
    // effect       step  likeness
    {"game_start",   1,   0.4},
    {"bottle",      25,   0.8},
    {"stairs_down", 32,   0.8},
    {"stairs_up",   45,   0.8},
    {"trapped",     77,   0.8},
};
// clang-format on
// An effect whose event has not come yet is not there: the other effects
// and the music reach up to 0.3 of its likeness, a copy of it 1, or 0.65
// where the music sounds over it.
constexpr double MOST_LIKENESS_ABSENT = 0.5;
// Past the step of its hold the mixer goes on for this long and for the
// length of the effect looked for, so the effect is whole in the capture
// even if the mixer had not begun it when the hold was seen.
constexpr std::size_t FRAMES_PAST_THE_HOLD = RATE;
// Hang guards only: a held replay comes to its hold and its mixer runs on,
// at whatever pace the machine allows.
constexpr auto HUNG_AFTER = std::chrono::minutes(10);

std::string quote(const std::string &s)
{
    return "'" + s + "'";
}

std::vector<unsigned char> readBytes(const std::string &path, std::size_t most = SIZE_MAX)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes;
    char buffer[65536];
    while (bytes.size() < most && in.read(buffer, sizeof buffer).gcount() > 0)
        bytes.insert(bytes.end(), buffer, buffer + in.gcount());
    if (bytes.size() > most) bytes.resize(most);
    return bytes;
}

std::size_t fileSize(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
}

std::vector<double> effectSamples(const std::string &name)
{
    const std::vector<unsigned char> bytes = readBytes(std::string(GROG_BUILD_DIR) + "/Snd/" + name + ".wav");
    std::vector<double> samples;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<std::int16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return samples;
}

// 16-bit stereo, signed or unsigned as the driver chose, as mono samples:
// before the title's first note the capture is silence, which tells which.
std::vector<double> monoOf(const std::vector<unsigned char> &raw)
{
    const std::size_t frames = raw.size() / CAPTURE_FRAME_BYTES;
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

using Complex = std::complex<double>;

// In place; the products written out, as std::complex's own multiplication
// checks for infinities at every step and is several times slower.
void fft(std::vector<Complex> &a, bool inverse)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    std::vector<Complex> turns(n / 2);
    for (std::size_t k = 0; k < n / 2; ++k) {
        const double angle = 2 * M_PI * static_cast<double>(k) / static_cast<double>(n) * (inverse ? 1 : -1);
        turns[k] = Complex(std::cos(angle), std::sin(angle));
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::size_t stride = n / len;
        for (std::size_t i = 0; i < n; i += len) {
            for (std::size_t k = 0; k < len / 2; ++k) {
                const Complex w = turns[k * stride], x = a[i + k + len / 2];
                const Complex v(x.real() * w.real() - x.imag() * w.imag(), x.real() * w.imag() + x.imag() * w.real());
                const Complex u = a[i + k];
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
    if (inverse)
        for (Complex &x : a) x /= static_cast<double>(n);
}

// A capture made ready for effects to be looked for in it.
class CaptureSearch {
public:
    CaptureSearch(const std::vector<double> &capture, std::size_t longestEffect) : size_(capture.size())
    {
        std::size_t n = 1;
        while (n < capture.size() + longestEffect) n <<= 1;
        spectrum_.assign(n, 0.0);
        for (std::size_t i = 0; i < capture.size(); ++i) spectrum_[i] = capture[i];
        fft(spectrum_, false);
        energy_.assign(capture.size() + 1, 0.0);
        for (std::size_t i = 0; i < capture.size(); ++i) energy_[i + 1] = energy_[i] + capture[i] * capture[i];
    }

    // How well the effect's waveform fits where in the capture it fits
    // best: the correlation with the effect, divided by both energies under
    // it (1: the same shape at any loudness).
    double bestLikeness(const std::vector<double> &effect) const
    {
        double best = 0;
        const std::size_t len = effect.size();
        if (size_ <= len || spectrum_.size() < size_ + len) return best;
        std::vector<Complex> b(spectrum_.size());
        for (std::size_t i = 0; i < len; ++i) b[i] = effect[i];
        fft(b, false);
        for (std::size_t i = 0; i < b.size(); ++i) {
            const Complex x = spectrum_[i], y = b[i];
            b[i] = Complex(x.real() * y.real() + x.imag() * y.imag(), x.imag() * y.real() - x.real() * y.imag());
        }
        fft(b, true);
        double effectEnergy = 0;
        for (const double v : effect) effectEnergy += v * v;
        for (std::size_t i = 0; i + len <= size_; ++i) {
            const double under = energy_[i + len] - energy_[i];
            // Near-silence would make any wiggle a perfect match.
            if (under < effectEnergy * 0.01) continue;
            best = std::max(best, b[i].real() / std::sqrt(under * effectEnergy));
        }
        return best;
    }

private:
    std::size_t size_;
    std::vector<Complex> spectrum_;
    std::vector<double> energy_;
};

// An X server of the test's own when it was given none.
class OwnDisplay {
public:
    OwnDisplay()
    {
        if (std::getenv("DISPLAY") != nullptr) return;
        int fds[2];
        if (pipe(fds) != 0) return;
        server_ = fork();
        if (server_ == 0) {
            close(fds[0]);
            const int devnull = open("/dev/null", O_WRONLY);
            dup2(devnull, 1);
            dup2(devnull, 2);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the number of the display it took once it is ready.
        std::string number;
        pollfd ready = {fds[0], POLLIN, 0};
        char c;
        while (poll(&ready, 1, 600000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (!number.empty()) setenv("DISPLAY", (":" + number).c_str(), 1);
    }
    ~OwnDisplay()
    {
        if (server_ <= 0) return;
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
        unsetenv("DISPLAY");
    }
    OwnDisplay(const OwnDisplay &) = delete;
    OwnDisplay &operator=(const OwnDisplay &) = delete;

private:
    pid_t server_ = -1;
};

// The recording replayed with its sound captured, held at one step.
class HeldReplay {
public:
    HeldReplay(int step, const std::string &options) : step_(step)
    {
        char pattern[] = "/tmp/grog-heard-XXXXXX";
        if (const char *made = mkdtemp(pattern)) scratch_ = made;
        const std::string home = scratch_ + "/home", game = scratch_ + "/game";
        capture_ = scratch_ + "/capture.raw";
        out_ = scratch_ + "/out.txt";
        mkdir(home.c_str(), 0755);
        mkdir(game.c_str(), 0755);
        std::ofstream(home + "/.asoundrc") << "pcm.!default {\n  type file\n  slave.pcm \"null\"\n  file \"" << capture_
                                           << "\"\n  format \"raw\"\n}\n";
        const std::string build = GROG_BUILD_DIR;
        const std::string copy = "cp -r " + quote(build + "/Gfx") + " " + quote(build + "/Snd") + " " +
                                 quote(build + "/default.cfg") + " " + quote(game);
        if (std::system(copy.c_str()) != 0) return;
        std::fflush(nullptr);
        game_ = fork();
        if (game_ != 0) return;
        const int out = open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        if (chdir(game.c_str()) != 0) _exit(126);
        setenv("HOME", home.c_str(), 1);
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        const std::string stop = std::to_string(step);
        if (options.empty())
            execl(GROG_PROGRAM, GROG_PROGRAM, "--replay", HEARD_RECORDING, "--stop-at", stop.c_str(),
                  static_cast<char *>(nullptr));
        else
            execl(GROG_PROGRAM, GROG_PROGRAM, options.c_str(), "--replay", HEARD_RECORDING, "--stop-at", stop.c_str(),
                  static_cast<char *>(nullptr));
        _exit(127);
    }
    ~HeldReplay()
    {
        end();
        if (!scratch_.empty()) std::system(("rm -rf " + quote(scratch_)).c_str());
    }
    HeldReplay(const HeldReplay &) = delete;
    HeldReplay &operator=(const HeldReplay &) = delete;

    int step() const { return step_; }

    // One look: notes the hold once the game says it holds, and once the
    // mixer has gone on `framesPast` beyond it, ends the game. True when
    // the capture is complete or the run failed (see failure()).
    bool done(std::size_t framesPast)
    {
        if (!failure_.empty() || ended_) return true;
        int status = 0;
        if (game_ <= 0 || waitpid(game_, &status, WNOHANG) == game_) {
            game_ = -1;
            failure_ = "the replay ended before its hold: " + output();
            return true;
        }
        if (!held_) {
            if (output().find("stopped at step " + std::to_string(step_) + "\n") == std::string::npos) return false;
            held_ = true;
            holdAt_ = fileSize(capture_);
        }
        if (fileSize(capture_) < holdAt_ + framesPast * CAPTURE_FRAME_BYTES) return false;
        completeBytes_ = holdAt_ + framesPast * CAPTURE_FRAME_BYTES;
        end();
        return true;
    }

    // The capture up to the end of the wait past the hold.
    std::vector<double> capture() const { return monoOf(readBytes(capture_, completeBytes_)); }
    const std::string &failure() const { return failure_; }
    // A hung run: ended at once.
    void giveUp()
    {
        failure_ = "no hold, or no mixing past it, after ten minutes: " + output();
        if (game_ > 0 && kill(game_, SIGKILL) == 0) waitpid(game_, nullptr, 0);
        game_ = -1;
    }

private:
    std::string output() const
    {
        const std::vector<unsigned char> bytes = readBytes(out_);
        return std::string(bytes.begin(), bytes.end());
    }
    // A signal ends a replay at its hold as the close button does.
    void end()
    {
        if (game_ <= 0) return;
        kill(game_, SIGTERM);
        int status = 0;
        waitpid(game_, &status, 0);
        game_ = -1;
        ended_ = true;
        if (!WIFEXITED(status) && failure_.empty()) failure_ = "the replay did not end by itself: " + output();
    }

    int step_;
    std::string scratch_, capture_, out_, failure_;
    pid_t game_ = -1;
    std::size_t holdAt_ = 0, completeBytes_ = 0;
    bool held_ = false, ended_ = false;
};

// Runs replays held at `steps` side by side, with `options`; the captures
// in the order of `steps`, each cut at the end of its wait past the hold.
// A run that failed gives an empty capture, with a test failure.
std::vector<std::vector<double>> heldCaptures(const std::vector<int> &steps, const std::string &options,
                                              std::size_t framesPast)
{
    OwnDisplay display;
    std::vector<std::unique_ptr<HeldReplay>> runs;
    runs.reserve(steps.size());
    for (const int step : steps) runs.push_back(std::make_unique<HeldReplay>(step, options));
    const auto giveUpAt = std::chrono::steady_clock::now() + HUNG_AFTER;
    for (;;) {
        bool all = true;
        for (auto &run : runs) all = run->done(framesPast) && all;
        if (all) break;
        if (std::chrono::steady_clock::now() > giveUpAt) {
            for (auto &run : runs)
                if (!run->done(framesPast)) run->giveUp();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::vector<std::vector<double>> captures;
    for (auto &run : runs) {
        if (!run->failure().empty()) ADD_FAILURE() << "held at step " << run->step() << ": " << run->failure();
        captures.push_back(run->failure().empty() ? run->capture() : std::vector<double>());
    }
    return captures;
}

std::size_t longestEffectFrames()
{
    std::size_t longest = 0;
    for (const Heard &h : RECORDED_EFFECTS) longest = std::max(longest, effectSamples(h.effect).size());
    return longest;
}

TEST(HeardEffects, EachEffectSoundsInTheStepOfItsEvent)
{
    // For each event, a hold at the step before it and one at its step.
    std::vector<int> steps;
    for (const Heard &h : RECORDED_EFFECTS) {
        steps.push_back(h.step - 1);
        steps.push_back(h.step);
    }
    const std::size_t longest = longestEffectFrames();
    const std::vector<std::vector<double>> captures = heldCaptures(steps, "", FRAMES_PAST_THE_HOLD + longest);
    for (std::size_t i = 0; i < std::size(RECORDED_EFFECTS); ++i) {
        const Heard &h = RECORDED_EFFECTS[i];
        const std::vector<double> &before = captures[2 * i], &at = captures[2 * i + 1];
        if (before.empty() || at.empty()) continue;
        const std::vector<double> effect = effectSamples(h.effect);
        const double likenessBefore = CaptureSearch(before, longest).bestLikeness(effect);
        const double likenessAt = CaptureSearch(at, longest).bestLikeness(effect);
        std::printf("%-12s held at step %2d: %.2f alike, at step %2d: %.2f\n", h.effect, h.step - 1, likenessBefore,
                    h.step, likenessAt);
        EXPECT_LE(likenessBefore, MOST_LIKENESS_ABSENT) << h.effect << " sounds before its event";
        EXPECT_GE(likenessAt, h.leastLikeness) << h.effect << " is not heard in the step of its event";
    }
}

TEST(HeardEffects, WithEffectsOffOnlyTheMusicBeforeF2IsHeard)
{
    // Held past the last event, with every effect's event behind it.
    const int pastTheLast = RECORDED_EFFECTS[std::size(RECORDED_EFFECTS) - 1].step + 1;
    const std::vector<std::vector<double>> captures =
        heldCaptures({pastTheLast}, "--no-sound-effects", FRAMES_PAST_THE_HOLD);
    const std::vector<double> &capture = captures[0];
    if (capture.empty()) return;
    const CaptureSearch search(capture, longestEffectFrames());
    for (const Heard &h : RECORDED_EFFECTS) {
        const double likeness = search.bestLikeness(effectSamples(h.effect));
        std::printf("%-12s %.2f alike\n", h.effect, likeness);
        EXPECT_LE(likeness, MOST_LIKENESS_ABSENT) << h.effect << " sounds with the effects off";
    }
    // F2 paused the music at step 1: what the mixer made while the game
    // held, long after, is silence.
    constexpr double AUDIBLE = 64;
    const std::size_t heldFrom = capture.size() - FRAMES_PAST_THE_HOLD;
    const auto loud = std::find_if(capture.begin() + static_cast<std::ptrdiff_t>(heldFrom), capture.end(),
                                   [](double v) { return std::fabs(v) > AUDIBLE; });
    EXPECT_TRUE(loud == capture.end()) << "sound during the hold, "
                                       << static_cast<double>(loud - capture.begin()) / RATE << " s into the capture";
}

}  // namespace
