// libFuzzer entry for the settings reader: any bytes give settings within
// their ranges and never crash, hang or read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::vector<std::string> problems;
    const Settings read = parseSettings(reinterpret_cast<const char *>(data), size, problems);
    const bool inRange = read.musicVolume >= 0 && read.musicVolume <= 100 && read.effectsVolume >= 0 &&
                         read.effectsVolume <= 100 && read.windowScale >= 0 && read.windowScale <= 4;
    if (!inRange) std::abort();
    // What the game writes back, it reads back the same.
    std::vector<std::string> again;
    const std::string text = settingsText(read);
    if (parseSettings(text.data(), text.size(), again) != read || !again.empty()) std::abort();
    return 0;
}
