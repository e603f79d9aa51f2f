#include "screens/trap_blink.h"

#include <allegro.h>

#include <chrono>
#include <cstddef>

#include "display/screen_size.h"
#include "display/window_canvas.h"
#include "process/end_request.h"
#include "screens/camera.h"
#include "screens/render_frame.h"
#include "world/bottle.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sprite_sheet.h"
#include "world/tile.h"

namespace {

// Redraws the player's cell as the frame had it, with or without the
// pirate, and shows the camera window again.
void showPlayerCell(bool withPirate)
{
    Tile *cell = TileGrid[PlayerX][PlayerY];
    cell->drawBackground(PlayerX, PlayerY);
    cell->drawAt(PlayerX, PlayerY);
    if (withPirate) ThePlayer->drawAt(PlayerX, PlayerY);
    // Whatever the frame drew over the pirate's cell, in the frame's order.
    for (Monster *monster : MonsterList)
        if (monster->getX() == PlayerX && monster->getY() == PlayerY) monster->drawSelf();
    for (Bottle *bottle : BottleList)
        if (bottle->getX() == PlayerX && bottle->getY() == PlayerY) bottle->drawSelf();
    blit(WorldBitmap, screen, cameraX(PlayerX) * CELL_SIZE, cameraY(PlayerY) * CELL_SIZE, 0, 0, SCREEN_WIDTH,
         VIEW_HEIGHT);
    presentScreen();
}

}  // namespace

void blinkTrappedPlayer(int holdMs)
{
    // Each half ends at its time from the start, so drawing costs the hold
    // nothing.
    const auto start = std::chrono::steady_clock::now();
    for (int half = 1;; ++half) {
        const int until = half * TRAP_BLINK_HALF_MS < holdMs ? half * TRAP_BLINK_HALF_MS : holdMs;
        const auto spent =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
        if (until > spent) restUnlessEnding(static_cast<int>(until - spent));
        if (until == holdMs || endRequested()) return;
        // The first half showed the frame as it was, the pirate drawn.
        showPlayerCell(half % 2 == 0);
    }
}
