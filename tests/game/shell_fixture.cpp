#include "shell_fixture.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "process/library_callbacks.h"
#include "process/start_up.h"
#include "play/play_loop.h"
#include "screens/status_bar.h"
#include "sound/music.h"
#include "world/world.h"

namespace {

// One note and the end of the track: enough for load_midi.
// clang-format off
const unsigned char TINY_MIDI[] = {
    'M', 'T', 'h', 'd', 0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x01, 0x00, 0x60,
    'M', 'T', 'r', 'k', 0x00, 0x00, 0x00, 0x0c,
    0x00, 0x90, 0x3c, 0x40,   0x60, 0x80, 0x3c, 0x40,   0x00, 0xff, 0x2f, 0x00,
};
// clang-format on

class AllegroEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // No second try: the test command's Xvfb runs with -noreset, so it
        // never refuses a client for a reset between two test programs.
        if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0) {
            // Not a skip: every test here needs the display.
            std::fprintf(stderr, "these tests need an X display (run them under xvfb-run)\n");
            std::exit(1);
        }
        install_timer();
        install_keyboard();
        // The play loop's pace, as the game sets it.
        install_int_ex(onTimerTick, PLAY_TIMER_PERIOD);
        set_color_depth(16);
        screen = create_bitmap(800, 600);
        WorldBitmap = create_bitmap(1600, 1600);
        StatusBitmap = create_bitmap(800, 100);
        SpriteSheet = create_bitmap(192, 384);
        // Every sheet cell its own colour, so drawing is visible but quiet.
        for (int column = 0; column < 6; ++column)
            for (int row = 0; row < 12; ++row)
                rectfill(SpriteSheet, column * 32, row * 32, column * 32 + 31, row * 32 + 31,
                         makecol(20 + column * 30, 20 + row * 18, 90));

        original_ = std::filesystem::current_path();
        char pattern[] = "/tmp/grog-shell-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        scratch_ = pattern;
        std::filesystem::create_directory(scratch_ / "Snd");
        std::ofstream(scratch_ / "Snd" / "main.mid", std::ios::binary)
            .write(reinterpret_cast<const char *>(TINY_MIDI), sizeof TINY_MIDI);
        std::filesystem::current_path(scratch_);
    }

    void TearDown() override
    {
        play_midi(nullptr, 0);
        std::filesystem::current_path(original_);
        std::filesystem::remove_all(scratch_);
    }

private:
    std::filesystem::path original_;
    std::filesystem::path scratch_;
};

const auto *const environment = ::testing::AddGlobalTestEnvironment(new AllegroEnvironment);

void releaseAllKeys()
{
    for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
}

}  // namespace

void ShellTest::SetUp()
{
    releaseWorldObjects();
    for (int x = 0; x < GRID_SIZE; ++x)
        for (int y = 0; y < GRID_SIZE; ++y) TileGrid[x][y] = new Tile();
    ThePlayer = new Player();
    PlayerX = 10;
    PlayerY = 10;
    Score = 0;
    Lives = 3;
    LevelIndex = 0;
    Paused = 0;
    MusicPaused = 0;
    CloseRequested = 0;
    StatusImage = nullptr;
    PlayStepHook = nullptr;
    releaseAllKeys();
    clear_keybuf();
    clear_bitmap(screen);
    srand(1);
}

void ShellTest::TearDown()
{
    PlayStepHook = nullptr;
    releaseAllKeys();
    if (StatusImage != nullptr) destroy_bitmap(StatusImage);
    StatusImage = nullptr;
    releaseWorldObjects();
}

Monster *putMonster(int x, int y)
{
    Monster *monster = new Monster();
    monster->setX(x);
    monster->setY(y);
    MonsterList.push_back(monster);
    return monster;
}

int screenRgb(int x, int y)
{
    const int c = getpixel(screen, x, y);
    return (getr(c) << 16) | (getg(c) << 8) | getb(c);
}
