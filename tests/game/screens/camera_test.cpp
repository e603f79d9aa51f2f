#include <gtest/gtest.h>

#include "screens/camera.h"

// The window is held against the grid's edges...
TEST(Camera, HeldAgainstTheEdges)
{
    for (int p = 0; p <= 12; ++p) EXPECT_EQ(cameraX(p), 0) << "player column " << p;
    for (int p = 37; p <= 49; ++p) EXPECT_EQ(cameraX(p), 25) << "player column " << p;
    for (int p = 0; p <= 7; ++p) EXPECT_EQ(cameraY(p), 0) << "player row " << p;
    for (int p = 41; p <= 49; ++p) EXPECT_EQ(cameraY(p), 34) << "player row " << p;
}

// ...and in between keeps the player in window column 12 and row 7.
TEST(Camera, FollowsThePlayerBetweenTheEdges)
{
    for (int x = 13; x <= 36; ++x) EXPECT_EQ(x - cameraX(x), 12) << "player column " << x;
    for (int y = 8; y <= 40; ++y) EXPECT_EQ(y - cameraY(y), 7) << "player row " << y;
}
