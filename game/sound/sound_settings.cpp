#include "sound/sound_settings.h"

#include <allegro.h>

#include <algorithm>

namespace {

SoundSettings Settings;

int clampVolume(int volume)
{
    return std::clamp(volume, 0, LOUDEST_VOLUME);
}

}  // namespace

const SoundSettings &soundSettings()
{
    return Settings;
}

int allegroVolume(int volume)
{
    return clampVolume(volume) * 255 / LOUDEST_VOLUME;
}

void setMusicVolume(int volume)
{
    Settings.musicVolume = clampVolume(volume);
    // -1 leaves the samples' overall level as it is.
    set_volume(-1, allegroVolume(Settings.musicVolume));
}

void setEffectsVolume(int volume)
{
    Settings.effectsVolume = clampVolume(volume);
}

void setEffectsOn(bool on)
{
    Settings.effectsOn = on;
}

void applyMusicVolume()
{
    if (Settings.musicVolume != LOUDEST_VOLUME) set_volume(-1, allegroVolume(Settings.musicVolume));
}
