#include "screens/render_frame.h"

#include <allegro.h>

#include <cstddef>

#include "display/screen_size.h"
#include "display/window_canvas.h"
#include "play/trap_rule.h"
#include "screens/camera.h"
#include "screens/status_bar.h"
#include "world/bottle.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sprite_sheet.h"
#include "world/tile.h"

void drawFrame()
{
    const std::size_t monsters = MonsterList.size();
    const std::size_t bottles = BottleList.size();
    const int left = cameraX(PlayerX);
    const int top = cameraY(PlayerY);

    // Only the window is redrawn; cells out of view keep their old pixels
    // and their old background frame.
    for (int i = 0; i < CAMERA_COLUMNS; ++i) {
        for (int j = 0; j < CAMERA_ROWS; ++j) {
            Tile *cell = TileGrid[left + i][top + j];
            cell->drawBackground(left + i, top + j);
            cell->drawAt(left + i, top + j);
        }
    }
    ThePlayer->drawAt(PlayerX, PlayerY);
    for (std::size_t k = 0; k < monsters; ++k) MonsterList[k]->drawSelf();
    // Bottles come last, so a bottle shows over a monster standing on it.
    for (std::size_t k = 0; k < bottles; ++k) BottleList[k]->drawSelf();

    // The 16th row of cells reaches pixel 512; its last 12 rows stay hidden.
    blit(WorldBitmap, screen, left * CELL_SIZE, top * CELL_SIZE, 0, 0, SCREEN_WIDTH, VIEW_HEIGHT);
    drawStatusBar();
    presentScreen();
}

void renderFrame()
{
    drawFrame();
    checkTrapped();
}
