// The player's sound choices, kept in one place: music and effects volume
// (0 to 100) and whether effects play at all. Changes apply at once, so a
// slider or a key can set them while the music plays.
#pragma once

struct SoundSettings {
    int musicVolume = 100;
    int effectsVolume = 100;
    bool effectsOn = true;  // F3, --no-sound-effects
};

constexpr int LOUDEST_VOLUME = 100;

// The settings in force.
const SoundSettings &soundSettings();

// Each clamps to 0..100. The music's volume goes to the MIDI player now;
// the effects' volume to each effect started from now on.
void setMusicVolume(int volume);
void setEffectsVolume(int volume);
void setEffectsOn(bool on);

// After install_sound: a music volume chosen before the sound started
// reaches the MIDI player. At the full 100 Allegro's own level is left
// alone, so the music sounds as it always has.
void applyMusicVolume();

// Allegro's 0..255 for a volume of 0..100.
int allegroVolume(int volume);
