// midi-capture-player FILE.mid MILLISECONDS
// Plays a MIDI file through Allegro's software synthesiser (DIGMID) on the
// default digital driver for a while, the way the game does. The audible
// test runs it with an ALSA configuration that records to a file.
#include <allegro.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: midi-capture-player FILE.mid MILLISECONDS\n");
        return 2;
    }
    if (allegro_init() != 0) {
        std::printf("no allegro: %s\n", allegro_error);
        return 3;
    }
    install_timer();
    if (install_sound(DIGI_AUTODETECT, MIDI_DIGMID, nullptr) != 0) {
        std::printf("no sound: %s\n", allegro_error);
        return 4;
    }
    std::printf("digi=%s midi=%s patches=%s\n", digi_driver->name, midi_driver->name,
                get_config_string("sound", "patches", "(beside the program)"));
    MIDI *music = load_midi(argv[1]);
    if (!music) {
        std::printf("cannot load %s\n", argv[1]);
        return 5;
    }
    play_midi(music, TRUE);
    rest(std::atoi(argv[2]));
    stop_midi();
    destroy_midi(music);
    std::fflush(stdout);
    return 0;
}
END_OF_MAIN()
