#include "screens/camera.h"

#include <algorithm>

#include "world/level.h"

namespace {

// First cell of a window `cells` wide that shows the player `offset` cells
// in, held so that the window never reaches past the grid.
int windowStart(int player, int offset, int cells)
{
    return std::clamp(player - offset, 0, GRID_SIZE - cells);
}

}  // namespace

// Away from the edges the player sits in window column 12 and row 7.
int cameraX(int playerX)
{
    return windowStart(playerX, 12, CAMERA_COLUMNS);
}

int cameraY(int playerY)
{
    return windowStart(playerY, 7, CAMERA_ROWS);
}
