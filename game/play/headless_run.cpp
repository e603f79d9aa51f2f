#include "play/headless_run.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "display/screen_size.h"
#include "play/play_loop.h"
#include "process/data_dirs.h"
#include "scores/high_score_file.h"
#include "screens/status_bar.h"
#include "sound/music.h"
#include "world/game_state.h"
#include "world/sprite_sheet.h"
#include "world/tile.h"

namespace {

// clang-format off
// The sprite sheet's size in cells, for the blank stand-in.
constexpr int SHEET_COLUMNS = 6;
constexpr int SHEET_ROWS    = 12;
// clang-format on

}  // namespace

bool startHeadlessRun()
{
    if (system_driver == nullptr && install_allegro(SYSTEM_NONE, &errno, atexit) != 0) return false;
    set_color_depth(16);
    screen = create_bitmap(SCREEN_WIDTH, SCREEN_HEIGHT);
    clear_bitmap(screen);
    WorldBitmap = create_bitmap(WORLD_BITMAP_SIZE, WORLD_BITMAP_SIZE);
    clear_bitmap(WorldBitmap);
    StatusBitmap = create_bitmap(STATUS_BAR_WIDTH, STATUS_BAR_HEIGHT);

    handScoreFolderCalls({setScoreDirectory, reportScoresCannotBeSaved});
    locateGameFiles();
    loadSpriteSheet(gameDataPath("Gfx/Tile.bmp").c_str());
    // Without a sheet every new cell would look for the art again, thousands
    // of times a level.
    if (SpriteSheet == nullptr) {
        SpriteSheet = create_bitmap(SHEET_COLUMNS * CELL_SIZE, SHEET_ROWS * CELL_SIZE);
        clear_to_color(SpriteSheet, makecol(90, 120, 60));
    }
    StatusImage = load_bitmap(gameDataPath("Gfx/Status.bmp").c_str(), nullptr);

    PlayWaits = false;
    MusicWanted = false;
    return true;
}
