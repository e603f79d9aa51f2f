#include "sound/sound_effects.h"

#include <allegro.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>

#include "sound/effect_settings.h"

namespace {

constexpr int EFFECT_COUNT = static_cast<int>(SoundEffect::GameStarted) + 1;
constexpr int CENTRE_PAN = 128;
constexpr int RECORDED_PITCH = 1000;

// Each effect's file under Snd/, in the order of SoundEffect.
// clang-format off
constexpr std::array<const char *, EFFECT_COUNT> EFFECT_FILES = {
    "bottle",       // BottleTaken
    "stairs_down",  // StairsDown
    "stairs_up",    // StairsUp
    "monster",      // MonsterAppeared
    "trapped",      // Trapped
    "game_over",    // GameOver
    "score_saved",  // ScoreRecorded
    "pause",        // Paused
    "resume",       // Resumed
    "game_start",   // GameStarted
};
// clang-format on

std::array<SAMPLE *, EFFECT_COUNT> Samples{};
bool SilencedForRun = false;
bool MonsterHeard = false;
// The trap whose sound started with its hold, until its event comes by.
bool TrapHeardEarly = false;
WorldEvent EarlyTrap{WorldEventKind::PlayerTrapped};
std::chrono::steady_clock::time_point LastMonster;

// Several monsters can arrive in one step and more the next: one growl a
// second says it well enough without drowning the music.
bool monsterMayGrowl()
{
    const auto now = std::chrono::steady_clock::now();
    if (MonsterHeard && now - LastMonster < std::chrono::milliseconds(MONSTER_EFFECT_GAP_MS)) return false;
    MonsterHeard = true;
    LastMonster = now;
    return true;
}

}  // namespace

void reserveEffectVoices()
{
    reserve_voices(EFFECT_VOICES, MUSIC_VOICES);
}

void loadSoundEffects(std::string (*dataPath)(const char *relative))
{
    if (digi_driver == nullptr || digi_driver->id == DIGI_NONE) return;
    std::string missing;
    for (int i = 0; i < EFFECT_COUNT; ++i) {
        if (Samples[i] != nullptr) continue;
        const std::string name = std::string("Snd/") + EFFECT_FILES[i] + ".wav";
        Samples[i] = load_sample(dataPath(name.c_str()).c_str());
        if (Samples[i] == nullptr) missing += (missing.empty() ? "" : ", ") + name;
    }
    if (!missing.empty())
        std::fprintf(stderr, "grog-sloop: playing without these sound effects, unreadable: %s\n", missing.c_str());
}

void releaseSoundEffects()
{
    for (SAMPLE *&sample : Samples) {
        if (sample == nullptr) continue;
        stop_sample(sample);
        destroy_sample(sample);
        sample = nullptr;
    }
}

void playEffect(SoundEffect effect)
{
    SAMPLE *sample = Samples[static_cast<int>(effect)];
    if (sample == nullptr || SilencedForRun || !effectSettings().effectsOn) return;
    if (effect == SoundEffect::MonsterAppeared && !monsterMayGrowl()) return;
    // Started again, it starts over: a second copy would only make it louder.
    stop_sample(sample);
    play_sample(sample, allegroVolume(effectSettings().effectsVolume), CENTRE_PAN, RECORDED_PITCH, 0);
}

bool effectOfEvent(const WorldEvent &event, SoundEffect &effect)
{
    switch (event.kind) {
    case WorldEventKind::BottleTaken:
        effect = SoundEffect::BottleTaken;
        return true;
    case WorldEventKind::LevelChanged:
        effect = event.down ? SoundEffect::StairsDown : SoundEffect::StairsUp;
        return true;
    case WorldEventKind::MonsterAppeared:
        effect = SoundEffect::MonsterAppeared;
        return true;
    case WorldEventKind::PlayerTrapped:
        effect = SoundEffect::Trapped;
        return true;
    case WorldEventKind::GameOver:
        effect = SoundEffect::GameOver;
        return true;
    case WorldEventKind::NewGame:
        effect = SoundEffect::GameStarted;
        return true;
    case WorldEventKind::NoWayUp:
        return false;
    }
    return false;
}

void playTrapEffectEarly(const WorldEvent &trapped)
{
    playEffect(SoundEffect::Trapped);
    TrapHeardEarly = true;
    EarlyTrap = trapped;
}

void playEffectsOf(const std::vector<WorldEvent> &events)
{
    for (const WorldEvent &event : events) {
        if (TrapHeardEarly && event.kind == WorldEventKind::PlayerTrapped && event.x == EarlyTrap.x &&
            event.y == EarlyTrap.y && event.livesLeft == EarlyTrap.livesLeft) {
            TrapHeardEarly = false;
            continue;
        }
        SoundEffect effect{};
        if (effectOfEvent(event, effect)) playEffect(effect);
    }
}

void toggleSoundEffects()
{
    setEffectsOn(!effectSettings().effectsOn);
}

void silenceEffectsForRun()
{
    SilencedForRun = true;
}
