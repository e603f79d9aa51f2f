#include "sound/music.h"

#include <allegro.h>

#include "process/data_dirs.h"

MIDI *Music = nullptr;
unsigned char MusicPaused = 0;
bool MusicWanted = true;

void startGameMusic()
{
    if (!MusicWanted) return;
    MIDI *previous = Music;
    Music = load_midi(gameDataPath("Snd/main.mid").c_str());
    if (Music == nullptr) allegro_message("Error reading MIDI file\n");
    // Restarts the piece even while MusicPaused is set; the flag keeps its
    // value, so the next F2 merely clears it.
    play_midi(Music, -1);
    // play_midi has let go of the old piece, so it can be freed now.
    if (previous != nullptr) destroy_midi(previous);
}

void toggleMusicPause()
{
    MusicPaused = !MusicPaused;
    if (!MusicWanted) return;
    if (MusicPaused) {
        midi_pause();
    } else {
        midi_resume();
    }
}

void releaseMusic()
{
    if (Music == nullptr) return;
    stop_midi();
    destroy_midi(Music);
    Music = nullptr;
}

void applyMusicVolume(int percent)
{
    // Allegro's MIDI volume runs 0..255; -1 leaves the samples' volume alone.
    if (MusicWanted) set_volume(-1, percent * 255 / 100);
}
