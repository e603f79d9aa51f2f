#include "process/start_up.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "display/desktop_keys.h"
#include "display/fullscreen.h"
#include "display/screen_size.h"
#include "display/window_canvas.h"
#include "display/window_scale.h"
#include "input/focus_pause.h"
#include "input/gamepad.h"
#include "input/key_bindings.h"
#include "input/key_gate.h"
#include "platform/display_loss.h"
#include "platform/file_system.h"
#include "platform/quiet_stderr.h"
#include "platform/session_end.h"
#include "platform/shut_down_watchdog.h"
#include "platform/window_identity.h"
#include "process/data_dirs.h"
#include "process/exit_on_failure.h"
#include "process/library_callbacks.h"
#include "screens/status_bar.h"
#include "sound/sound_effects.h"
#include "widgets/theme.h"
#include "world/game_state.h"
#include "world/sprite_sheet.h"

namespace {

const char *allegroReason(const char *fallback)
{
    return allegro_error[0] != '\0' ? allegro_error : fallback;
}

}  // namespace

void pointMidiAtOwnPatches()
{
    // The player's own Allegro configuration naming a patch set wins.
    const char *theirs = get_config_string("sound", "patches", nullptr);
    if (theirs != nullptr && theirs[0] != '\0') return;
    const std::string patches = gameDataPath("default.cfg");
    // In the working directory the allegro.cfg made beside the program
    // already does this; only a data directory elsewhere needs the pointer.
    if (patches[0] != '/' || !fileReadable(patches)) return;
    // An override lives in memory only: nothing is written into the
    // player's configuration file when Allegro saves it at exit.
    const std::string text = "[sound]\npatches = " + patches + "\n";
    override_config_data(text.c_str(), static_cast<int>(text.size()));
}

void startSound()
{
    pointMidiAtOwnPatches();
    reserveEffectVoices();
    bool installed = false;
    std::string whyNoMidi;
    {
        // Each driver tried (ALSA, OSS, JACK, ...) may complain on standard
        // error in its own words; the player reads one line of ours below.
        const QuietStderr quiet;
        // With the freepats patch set the software MIDI player is chosen
        // even where no sound card gives it voices; the game then runs
        // silent, as it does without the patch set, instead of not at all.
        installed = install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) == 0;
        if (!installed) {
            whyNoMidi = allegroReason("unknown MIDI failure");
            // Without MIDI the voices kept for the music would only be
            // missing from the samples: the library chooses again, as it
            // did before effects.
            reserve_voices(-1, -1);
            installed = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0;
        }
    }
    const bool effects = installed && digi_driver != nullptr && digi_driver->id != DIGI_NONE;
    const bool music = installed && midi_driver != nullptr && midi_driver->id != MIDI_NONE;
    if (!effects && !music) {
        std::fputs("grog-sloop: no sound device found: playing without music and effects\n", stderr);
        return;
    }
    if (!music && whyNoMidi.empty())
        std::fprintf(stderr, "grog-sloop: playing without music: no MIDI player could be started "
                             "(no instrument set for the software player, no MIDI device)\n");
    else if (!music)
        std::fprintf(stderr, "grog-sloop: playing without music: %s\n", whyNoMidi.c_str());
    if (!effects) std::fputs("grog-sloop: playing without sound effects: no device plays them\n", stderr);
    loadSoundEffects(gameDataPath);
}

void startLibraryOrExit()
{
    prepareForSessionEnd();
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
        std::fprintf(stderr, "grog-sloop: cannot start the Allegro library: %s\n",
                     allegroReason("no usable system driver (is an X display available? check DISPLAY)"));
        std::exit(1);
    }
    // The library's own answer would shut it down inside the request.
    watchForSessionEnd();
    installShutDownWatchdog();
    watchForLostDisplay();
}

int startUp()
{
    nameWindowBeforeLibraryStarts();
    startLibraryOrExit();

    // These have no failure the game could do anything about.
    install_keyboard();
    // Every press is noted, so a tap shorter than a step still walks.
    LOCK_FUNCTION(noteKeyEvent);
    keyboard_lowlevel_callback = noteKeyEvent;
    // F11, Alt+Enter and F12 are noted after the play keys are.
    installDesktopKeys();
    // Waiting screens take only keys pressed once they show.
    installKeyGate();
    install_mouse();
    install_timer();
    installGamepad();

    locateGameFiles();
    startSound();

    install_int_ex(onTimerTick, PLAY_TIMER_PERIOD);
    set_close_button_callback(onCloseButton);

    set_color_depth(16);
    openScaledWindowOrExit(scaleToOpen(RequestedWindowScale));
    finishWindowIdentity();
    if (RequestedFullscreen) setFullscreen(true);
    installFocusPause();

    WorldBitmap = createBitmapOrExit(WORLD_BITMAP_SIZE, WORLD_BITMAP_SIZE, "world bitmap");
    loadSpriteSheet(gameDataPath("Gfx/Tile.bmp").c_str());
    StatusBitmap = createBitmapOrExit(STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT, "status bar");
    StatusImage = load_bitmap(gameDataPath("Gfx/Status.bmp").c_str(), nullptr);
    if (StatusImage == nullptr) {
        std::printf("ERROR!\n");
        std::fflush(stdout);
    }

    // The dialog look is made current here, once the graphics mode is set.
    init_theme(theme_gtk);
    // The options dialog offers every registered look; "High contrast" comes
    // as a look file with the game's data (none there: it is not offered).
    load_theme(gameDataPath("looks/high-contrast.look").c_str(), 0, nullptr, nullptr, nullptr);
    return 0;
}
