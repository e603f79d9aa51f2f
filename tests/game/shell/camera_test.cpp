#include <gtest/gtest.h>

#include "camera.h"

// The window is held against the left and top edges...
TEST(Camera, LeftColumnIsZeroForPlayerInColumnsZeroToTwelve)
{
    for (int x = 0; x <= 12; ++x)
        EXPECT_EQ(cameraX(x), 0) << "player column " << x;
}

TEST(Camera, TopRowIsZeroForPlayerInRowsZeroToSeven)
{
    for (int y = 0; y <= 7; ++y)
        EXPECT_EQ(cameraY(y), 0) << "player row " << y;
}

// ...and against the right and bottom ones, where it would run off the grid.
TEST(Camera, LeftColumnIsTwentyFiveForPlayerInColumnsThirtySevenToFortyNine)
{
    for (int x = 37; x <= 49; ++x)
        EXPECT_EQ(cameraX(x), 25) << "player column " << x;
}

TEST(Camera, TopRowIsThirtyFourForPlayerInRowsFortyOneToFortyNine)
{
    for (int y = 41; y <= 49; ++y)
        EXPECT_EQ(cameraY(y), 34) << "player row " << y;
}

// In between the player stays in window column 12 and row 7.
TEST(Camera, FollowsThePlayerBetweenTheEdges)
{
    for (int x = 13; x <= 36; ++x)
        EXPECT_EQ(x - cameraX(x), 12) << "player column " << x;
    for (int y = 8; y <= 40; ++y)
        EXPECT_EQ(y - cameraY(y), 7) << "player row " << y;
}

TEST(Camera, WindowNeverLeavesTheGrid)
{
    for (int p = 0; p < 50; ++p) {
        EXPECT_LE(cameraX(p) + CAMERA_COLUMNS, 50);
        EXPECT_LE(cameraY(p) + CAMERA_ROWS, 50);
        EXPECT_GE(cameraX(p), 0);
        EXPECT_GE(cameraY(p), 0);
    }
}
