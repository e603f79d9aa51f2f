#include "camera.h"

// Away from the edges the player sits in window column 12 and row 7.
int cameraX(int playerX)
{
    int x = playerX - 12;
    if (x < 0)
        x = 0;
    if (x + CAMERA_COLUMNS > 49)
        x = 25;
    return x;
}

int cameraY(int playerY)
{
    int y = playerY - 7;
    if (y < 0)
        y = 0;
    if (y + CAMERA_ROWS > 49)
        y = 34;
    return y;
}
