// The retro effect synthesiser: one recipe (Snd/sound_effect.h) becomes
// 16-bit mono samples at EFFECT_SAMPLE_RATE. Every wave is computed at
// eight times the rate and averaged down, which takes the edge off the
// square's and the sawtooth's aliasing. Noise comes from a generator of
// its own, started from the same seed for every effect, so the same
// recipe always gives the same samples.
#pragma once

#include <cstdint>
#include <vector>

#include "Snd/sound_effect.h"

constexpr int EFFECT_SAMPLE_RATE = 44100;
constexpr int EFFECT_OVERSAMPLING = 8;

// The samples of one effect, as long as its envelope, scaled so that the
// loudest one sits at the recipe's peakDbfs.
std::vector<std::int16_t> synthesiseEffect(const SoundEffectRecipe &recipe);
