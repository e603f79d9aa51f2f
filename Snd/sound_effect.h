// The game's sound effects as data: one recipe of the classic retro
// synthesiser per effect (tools/make-assets/sound_effect_synth.h renders
// them). Times are in seconds, pitches in hertz, slides in octaves.
#pragma once

#include <vector>

enum class EffectWave { Square, Sawtooth, Sine, Noise };

struct SoundEffectRecipe {
    const char *name;  // the file is Snd/<name>.wav
    EffectWave wave;
    // Envelope: a rise, a hold (starting `punch` louder and easing back) and a fall.
    double attack;
    double sustain;
    double punch;  // 0 (flat hold) to 1 (the hold starts twice as loud)
    double decay;
    // Pitch: starts at pitchHz and moves by `slide` octaves a second, the slide
    // itself changing by `deltaSlide` octaves a second each second; it never
    // falls below lowestHz.
    double pitchHz;
    double slide;
    double deltaSlide;
    double lowestHz;
    double vibratoDepth;  // fraction of the pitch the vibrato swings by
    double vibratoHz;
    double arpeggioRatio;  // the pitch jumps by this factor (1: never) ...
    double arpeggioDelay;  // ... this long after the start (or the last repeat)
    double duty;           // a square wave's share of high (0.5: even)
    double dutySweep;      // change of the duty a second
    double repeatEvery;    // pitch, slide, jump and duty start over this often (0: never)
    double lowPassHz;      // one-pole low-pass corner (0: off)
    double highPassHz;     // one-pole high-pass corner (0: off)
    double peakDbfs;       // the loudest sample, in dB of full scale (-6: half of it)
};

// Every effect the game plays, in the order of the table.
const std::vector<SoundEffectRecipe> &gameSoundEffects();
