#include "wav_file.h"

#include <string>

namespace {

void putText(std::vector<std::uint8_t> &out, const std::string &text)
{
    out.insert(out.end(), text.begin(), text.end());
}

// WAV numbers are little-endian whatever the machine.
void putLittle(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> monoWavBytes(const std::vector<std::int16_t> &samples, int sampleRate)
{
    constexpr std::uint32_t BYTES_PER_SAMPLE = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * BYTES_PER_SAMPLE);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putText(out, "RIFF");
    putLittle(out, 36 + dataBytes, 4);
    putText(out, "WAVE");
    putText(out, "fmt ");
    putLittle(out, 16, 4);  // the format chunk's size
    putLittle(out, 1, 2);   // PCM
    putLittle(out, 1, 2);   // one channel
    putLittle(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittle(out, static_cast<std::uint32_t>(sampleRate) * BYTES_PER_SAMPLE, 4);
    putLittle(out, BYTES_PER_SAMPLE, 2);
    putLittle(out, 16, 2);  // bits per sample
    putText(out, "data");
    putLittle(out, dataBytes, 4);
    for (const std::int16_t s : samples) putLittle(out, static_cast<std::uint16_t>(s), 2);
    return out;
}
