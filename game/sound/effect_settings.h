// The effects' switch and volume as the game plays them. The player's
// settings (and the options dialog, the command line and F3) set them;
// changes apply to every effect started from then on.
#pragma once

struct EffectSettings {
    int effectsVolume = 100;  // 0..100
    bool effectsOn = true;
};

constexpr int LOUDEST_VOLUME = 100;

// The settings in force.
const EffectSettings &effectSettings();

// The volume is clamped to 0..100.
void setEffectsVolume(int volume);
void setEffectsOn(bool on);

// Allegro's 0..255 for a volume of 0..100.
int allegroVolume(int volume);
