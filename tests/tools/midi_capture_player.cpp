// midi-capture-player FILE.mid MILLISECONDS [CAPTURE BYTES]
// Plays a MIDI file through Allegro's software synthesiser (DIGMID) on the
// default digital driver for a while, the way the game does. The audible
// test runs it with an ALSA configuration that records to a file, CAPTURE:
// given it, the player goes on past MILLISECONDS until the mixer has put
// BYTES into it, however slowly a busy machine lets the mixer run; it
// gives up (status 6) once the capture has stopped growing for a minute.
#include <allegro.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: midi-capture-player FILE.mid MILLISECONDS [CAPTURE BYTES]\n");
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
    if (argc == 5) {
        const long wanted = std::atol(argv[4]);
        long size = 0;
        for (int still = 0; size < wanted; rest(20)) {
            struct stat info;
            const long now = stat(argv[3], &info) == 0 ? static_cast<long>(info.st_size) : 0;
            still = now == size ? still + 1 : 0;
            size = now;
            if (still > 60 * 1000 / 20) {
                std::printf("the capture stopped growing at %ld bytes\n", size);
                return 6;
            }
        }
    }
    stop_midi();
    destroy_midi(music);
    std::fflush(stdout);
    return 0;
}
END_OF_MAIN()
