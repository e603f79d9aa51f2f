#include "sound_effect_synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr int NOISE_VALUES = 32;  // fresh noise values each period
constexpr std::uint32_t NOISE_SEED = 0x9E3779B9u;
constexpr double LOWEST_DUTY = 0.02;
constexpr double HIGHEST_DUTY = 0.98;

// xorshift32: small, fast and the same on every machine.
class NoiseSource {
public:
    double next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }

private:
    std::uint32_t state_ = NOISE_SEED;
};

// Level of the envelope at time t: 0 before and after, 1 through the hold
// apart from the punch.
double envelopeAt(const SoundEffectRecipe &r, double t)
{
    if (t < r.attack) return t / r.attack;
    t -= r.attack;
    if (t < r.sustain) return 1.0 + r.punch * (1.0 - t / r.sustain);
    t -= r.sustain;
    if (t < r.decay) return 1.0 - t / r.decay;
    return 0.0;
}

// One-pole filter factor for a corner at `hz` on the oversampled rate.
double poleFactor(double hz)
{
    return 1.0 - std::exp(-2.0 * PI * hz / (EFFECT_SAMPLE_RATE * EFFECT_OVERSAMPLING));
}

// What repeats: the pitch's course and the duty.
struct PitchCourse {
    double octaves = 0;  // above the recipe's pitch
    double slide = 0;
    double jump = 1;
    double duty = 0.5;
    double since = 0;  // seconds since the last start
};

PitchCourse startOf(const SoundEffectRecipe &r)
{
    PitchCourse c;
    c.slide = r.slide;
    c.duty = r.duty;
    return c;
}

}  // namespace

std::vector<std::int16_t> synthesiseEffect(const SoundEffectRecipe &r)
{
    const double length = r.attack + r.sustain + r.decay;
    const auto count = static_cast<std::size_t>(std::lround(length * EFFECT_SAMPLE_RATE));
    const double dt = 1.0 / EFFECT_SAMPLE_RATE;
    const double lowPass = r.lowPassHz > 0 ? poleFactor(r.lowPassHz) : 1.0;
    const double highPass = r.highPassHz > 0 ? poleFactor(r.highPassHz) : 0.0;

    NoiseSource noiseSource;
    std::array<double, NOISE_VALUES> noise{};
    for (double &v : noise) v = noiseSource.next();

    std::vector<double> wave(count);
    PitchCourse course = startOf(r);
    double phase = 0;
    double lowPassed = 0;
    double drift = 0;  // what the high-pass takes away
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) * dt;
        if (r.repeatEvery > 0 && course.since >= r.repeatEvery) course = startOf(r);
        if (r.arpeggioRatio != 1.0 && course.jump == 1.0 && course.since >= r.arpeggioDelay)
            course.jump = r.arpeggioRatio;

        double hz = r.pitchHz * std::pow(2.0, course.octaves) * course.jump;
        hz = std::max(hz, r.lowestHz);
        hz *= 1.0 + r.vibratoDepth * std::sin(2.0 * PI * r.vibratoHz * t);
        const double step = hz / (EFFECT_SAMPLE_RATE * EFFECT_OVERSAMPLING);

        double sum = 0;
        for (int s = 0; s < EFFECT_OVERSAMPLING; ++s) {
            phase += step;
            if (phase >= 1.0) {
                phase -= std::floor(phase);
                if (r.wave == EffectWave::Noise)
                    for (double &v : noise) v = noiseSource.next();
            }
            double value = 0;
            switch (r.wave) {
            case EffectWave::Square:
                value = phase < course.duty ? 1.0 : -1.0;
                break;
            case EffectWave::Sawtooth:
                value = 1.0 - 2.0 * phase;
                break;
            case EffectWave::Sine:
                value = std::sin(2.0 * PI * phase);
                break;
            case EffectWave::Noise:
                value = noise[static_cast<std::size_t>(phase * NOISE_VALUES) % NOISE_VALUES];
                break;
            }
            lowPassed += lowPass * (value - lowPassed);
            drift += highPass * (lowPassed - drift);
            sum += lowPassed - drift;
        }
        wave[i] = sum / EFFECT_OVERSAMPLING * envelopeAt(r, t);

        course.octaves += course.slide * dt;
        course.slide += r.deltaSlide * dt;
        course.duty = std::clamp(course.duty + r.dutySweep * dt, LOWEST_DUTY, HIGHEST_DUTY);
        course.since += dt;
    }

    double peak = 0;
    for (const double v : wave) peak = std::max(peak, std::fabs(v));
    const double scale = peak > 0 ? std::pow(10.0, r.peakDbfs / 20.0) * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) samples[i] = static_cast<std::int16_t>(std::lround(wave[i] * scale));
    return samples;
}
