// The game's sound effects, one recipe a row. All peak at -6 dBFS so they
// sit under the music, apart from the monster's growl, which is heard often
// and is kept quieter. Each is under 0.6 s; the game over takes its time.
//   bottle       two quick square notes a fourth apart: a bright pickup
//   stairs_down  an even square note gliding down, then a fifth lower
//   stairs_up    a thin square note gliding up, then a fifth higher
//   monster      a low, wobbling sawtooth growl, muffled
//   trapped      a buzzing square that wails and sinks: caught
//   game_over    a slow, muffled sawtooth lament sinking a fourth
//   score_saved  a soft sine chime leaping an octave
//   pause        a short sine blip falling
//   resume       the same blip rising
//   game_start   a square call leaping an octave as its tone opens
#include "Snd/sound_effect.h"

const std::vector<SoundEffectRecipe> &gameSoundEffects()
{
    using W = EffectWave;
    // clang-format off
    static const std::vector<SoundEffectRecipe> effects = {
    //   name           wave        attack sustain punch decay   pitch  slide  dslide lowest  vibD  vibHz   arpR   arpAt  duty  sweep repeat  lowPass highPass peak
        {"bottle",      W::Square,   0.000, 0.060, 0.50, 0.180,  988.0,  0.00,  0.00,   0.0, 0.00,  0.0, 1.335, 0.060, 0.50,  0.00, 0.000,  6000.0,    0.0, -6.0},
        {"stairs_down", W::Square,   0.005, 0.200, 0.20, 0.180,  523.0, -1.50,  0.00, 100.0, 0.00,  0.0, 0.667, 0.130, 0.50,  0.00, 0.000,  4000.0,    0.0, -6.0},
        {"stairs_up",   W::Square,   0.005, 0.200, 0.20, 0.180,  392.0,  1.50,  0.00,   0.0, 0.00,  0.0, 1.500, 0.130, 0.25,  0.00, 0.000,  5000.0,    0.0, -6.0},
        {"monster",     W::Sawtooth, 0.010, 0.060, 0.00, 0.130,  110.0, -0.50,  0.00,  60.0, 0.15, 25.0, 1.000, 0.000, 0.50,  0.00, 0.000,   900.0,   40.0,-14.0},
        {"trapped",     W::Square,   0.000, 0.100, 0.30, 0.280,  440.0, -2.00,  0.00,  80.0, 0.12, 14.0, 1.000, 0.000, 0.50,  0.00, 0.000,  3500.0,    0.0, -6.0},
        {"game_over",   W::Sawtooth, 0.020, 0.600, 0.20, 0.900,  294.0, -0.50,  0.00,  80.0, 0.03,  5.0, 0.749, 0.500, 0.50,  0.00, 0.000,  1500.0,    0.0, -6.0},
        {"score_saved", W::Sine,     0.000, 0.120, 0.60, 0.380,  523.0,  0.00,  0.00,   0.0, 0.01,  6.0, 2.000, 0.120, 0.50,  0.00, 0.000,     0.0,    0.0, -6.0},
        {"pause",       W::Sine,     0.005, 0.040, 0.00, 0.080,  880.0, -2.00,  0.00,   0.0, 0.00,  0.0, 1.000, 0.000, 0.50,  0.00, 0.000,     0.0,    0.0, -6.0},
        {"resume",      W::Sine,     0.005, 0.040, 0.00, 0.080,  660.0,  2.00,  0.00,   0.0, 0.00,  0.0, 1.000, 0.000, 0.50,  0.00, 0.000,     0.0,    0.0, -6.0},
        {"game_start",  W::Square,   0.000, 0.150, 0.30, 0.300,  262.0,  0.50,  0.00,   0.0, 0.00,  0.0, 2.000, 0.150, 0.35, -0.50, 0.000,  5000.0,    0.0, -6.0},
    };
    // clang-format on
    return effects;
}
