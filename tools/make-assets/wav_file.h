// The bytes of a WAV file of 16-bit mono PCM, as Allegro's load_sample
// reads it.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> monoWavBytes(const std::vector<std::int16_t> &samples, int sampleRate);
