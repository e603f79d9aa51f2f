#include "start_up.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "focus_pause.h"
#include "gamepad.h"
#include "library_callbacks.h"
#include "window_scale.h"
#include "widgets/theme.h"
#include "world/game_state.h"
#include "world/sprite_sheet.h"

namespace {

const char *allegroReason(const char *fallback)
{
    return allegro_error[0] != '\0' ? allegro_error : fallback;
}

} // namespace

void startLibraryOrExit()
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
        std::fprintf(stderr, "grog-sloop: cannot start the Allegro library: %s\n",
                     allegroReason("no usable system driver (is an X display available? check DISPLAY)"));
        std::exit(1);
    }
}

void openWindowOrExit(int card, int width, int height)
{
    if (set_gfx_mode(card, width, height, 0, 0) != 0) {
        std::fprintf(stderr, "grog-sloop: cannot open a %dx%d window in %d-bit colour: %s\n",
                     width, height, get_color_depth(), allegroReason("unknown graphics failure"));
        std::exit(1);
    }
}

BITMAP *createBitmapOrExit(int width, int height, const char *purpose)
{
    BITMAP *bitmap = create_bitmap(width, height);
    if (bitmap == nullptr) {
        std::fprintf(stderr, "grog-sloop: out of memory for the %dx%d %s\n", width, height, purpose);
        std::exit(1);
    }
    // A fresh bitmap holds whatever the allocator left there; the first
    // title screen is drawn onto this one without being cleared otherwise.
    clear_bitmap(bitmap);
    return bitmap;
}

int startUp()
{
    startLibraryOrExit();

    // These have no failure the game could do anything about.
    install_keyboard();
    install_mouse();
    install_timer();
    installGamepad();

    // With the freepats patch set beside the program the software MIDI
    // player is chosen even where no sound card gives it voices; the game
    // then runs silent, as it does without the patch set, instead of not at all.
    if (install_sound(DIGI_AUTODETECT, MIDI_AUTODETECT, nullptr) != 0 &&
        install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) != 0) {
        allegro_message("Error initialising sound system\n%s\n", allegro_error);
        return START_UP_SOUND_FAILED;
    }

    install_int_ex(onTimerTick, PLAY_TIMER_PERIOD);
    set_close_button_callback(onCloseButton);

    set_color_depth(16);
    openScaledWindowOrExit(RequestedWindowScale == SCALE_TO_DESKTOP ? scaleFittingDesktop() : RequestedWindowScale);
    installFocusPause();

    WorldBitmap = createBitmapOrExit(WORLD_BITMAP_SIZE, WORLD_BITMAP_SIZE, "world bitmap");
    loadSpriteSheet("Gfx/Tile.bmp");
    StatusBitmap = createBitmapOrExit(STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT, "status bar");
    StatusImage = load_bitmap("Gfx/Status.bmp", nullptr);
    if (StatusImage == nullptr) {
        std::printf("ERROR!\n");
        std::fflush(stdout);
    }

    // The dialog look is made current here, once the graphics mode is set.
    init_theme(theme_gtk);
    return 0;
}
