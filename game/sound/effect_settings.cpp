#include "sound/effect_settings.h"

#include <algorithm>

namespace {

EffectSettings Settings;

int clampVolume(int volume)
{
    return std::clamp(volume, 0, LOUDEST_VOLUME);
}

}  // namespace

const EffectSettings &effectSettings()
{
    return Settings;
}

int allegroVolume(int volume)
{
    return clampVolume(volume) * 255 / LOUDEST_VOLUME;
}

void setEffectsVolume(int volume)
{
    Settings.effectsVolume = clampVolume(volume);
}

void setEffectsOn(bool on)
{
    Settings.effectsOn = on;
}
