#include "world/stairs_rule.h"

#include "world/game_state.h"
#include "world/generator.h"
#include "world/level.h"
#include "world/tile.h"
#include "world/world_event.h"

void placePlayerBeside(int x, int y)
{
    // Below the stairs when possible. Stairs never stand in a room's first
    // inside row, so the cell above is always inside the grid for them.
    if (y + 1 < GRID_SIZE && TileGrid[x][y + 1]->walkable == 1) {
        PlayerX = x;
        PlayerY = y + 1;
    } else {
        PlayerX = x;
        PlayerY = y - 1;
    }
}

bool findLastCellOfKind(int kind, int &x, int &y)
{
    bool found = false;
    for (int column = 0; column < GRID_SIZE; ++column) {
        for (int row = 0; row < GRID_SIZE; ++row) {
            if (TileGrid[column][row]->kind == kind) {
                x = column;
                y = row;
                found = true;
            }
        }
    }
    return found;
}

// Puts the player beside the last cell of `kind`; a grid without one puts
// the player beside cell (0, 0).
static void arriveBeside(int kind)
{
    int foundX = 0;
    int foundY = 0;
    findLastCellOfKind(kind, foundX, foundY);
    placePlayerBeside(foundX, foundY);
}

static void reportLevelChange(int from, bool down, bool newLevel)
{
    WorldEvent changed{WorldEventKind::LevelChanged};
    changed.fromLevel = from;
    changed.toLevel = LevelIndex;
    changed.down = down;
    changed.newLevel = newLevel;
    changed.x = PlayerX;
    changed.y = PlayerY;
    reportWorldEvent(changed);
}

void changeLevel(bool arrived)
{
    if (TileGrid[PlayerX][PlayerY]->kind == KIND_STAIRS_DOWN) {
        LevelStore[LevelIndex] = captureCurrentLevel();
        LevelIndex += 1;
        const bool kept = LevelIndex < static_cast<int>(LevelStore.size());
        if (kept) {
            restoreCurrentLevel(LevelStore[LevelIndex]);
            arriveBeside(KIND_STAIRS_UP);
        } else {
            generateLevel();
        }
        reportLevelChange(LevelIndex - 1, true, !kept);
    }
    if (TileGrid[PlayerX][PlayerY]->kind == KIND_STAIRS_UP && LevelIndex > 0) {
        LevelStore[LevelIndex] = captureCurrentLevel();
        LevelIndex -= 1;
        restoreCurrentLevel(LevelStore[LevelIndex]);
        arriveBeside(KIND_STAIRS_DOWN);
        reportLevelChange(LevelIndex + 1, false, false);
    } else if (arrived && TileGrid[PlayerX][PlayerY]->kind == KIND_STAIRS_UP) {
        WorldEvent nowhere{WorldEventKind::NoWayUp};
        nowhere.fromLevel = LevelIndex;
        nowhere.x = PlayerX;
        nowhere.y = PlayerY;
        reportWorldEvent(nowhere);
    }
}
