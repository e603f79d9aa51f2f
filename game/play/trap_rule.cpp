#include "play/trap_rule.h"

#include <allegro.h>

#include <cstddef>
#include <cstdint>

#include "play/game_over.h"
#include "play/play_loop.h"
#include "screens/trap_blink.h"
#include "sound/sound_effects.h"
#include "world/game_state.h"
#include "world/level.h"
#include "world/monster.h"
#include "world/stairs_rule.h"
#include "world/tile.h"
#include "world/world_event.h"

namespace {

constexpr int LAST_CELL = GRID_SIZE - 1;

std::uint8_t walkableAt(int x, int y)
{
    return TileGrid[x][y]->walkable;
}

}  // namespace

bool playerIsTrapped()
{
    // The lower bound is 1: column 0 and row 0 are never entered by the
    // rule's reckoning, whatever lies there.
    std::uint8_t east = PlayerX + 1 <= LAST_CELL ? walkableAt(PlayerX + 1, PlayerY) : 0;
    std::uint8_t west = PlayerX - 1 >= 1 ? walkableAt(PlayerX - 1, PlayerY) : 0;
    std::uint8_t north = PlayerY - 1 >= 1 ? walkableAt(PlayerX, PlayerY - 1) : 0;
    std::uint8_t south = PlayerY + 1 <= LAST_CELL ? walkableAt(PlayerX, PlayerY + 1) : 0;

    const std::size_t monsters = MonsterList.size();
    for (std::size_t i = 0; i < monsters; ++i) {
        const int mx = MonsterList[i]->getX();
        const int my = MonsterList[i]->getY();
        if (my == PlayerY && mx == PlayerX - 1) west = 0;
        if (my == PlayerY && mx == PlayerX + 1) east = 0;
        if (mx == PlayerX && my == PlayerY - 1) north = 0;
        if (mx == PlayerX && my == PlayerY + 1) south = 0;
    }
    return east == 0 && west == 0 && north == 0 && south == 0;
}

void respawnBesideStairsUp()
{
    // Without stairs there is no "beside" to go to; placing the player by
    // its own cell could step off the grid.
    int stairsX = 0;
    int stairsY = 0;
    if (findLastCellOfKind(KIND_STAIRS_UP, stairsX, stairsY)) placePlayerBeside(stairsX, stairsY);
}

void (*GameOverRunner)() = gameOver;

void holdTrappedFrame()
{
    // The pirate blinks, so the player sees who was caught.
    if (PlayWaits) blinkTrappedPlayer(TRAPPED_HOLD_MS);
}

void checkTrapped()
{
    if (!playerIsTrapped()) return;

    WorldEvent trapped{WorldEventKind::PlayerTrapped};
    trapped.x = PlayerX;
    trapped.y = PlayerY;
    trapped.livesLeft = Lives - 1;
    reportWorldEvent(trapped);
    if (PlayWaits) playTrapEffectEarly(trapped);
    holdTrappedFrame();
    Lives -= 1;
    if (Lives == 0) {
        WorldEvent over{WorldEventKind::GameOver};
        over.points = Score;
        reportWorldEvent(over);
        // Plays a whole new game before it returns; from here on only the
        // globals are used, and they name that game's level.
        GameOverRunner();
    }
    MonsterList.clear();
    respawnBesideStairsUp();
}
