// Cells and actors are drawn from their own sheet cells, the background
// animates by AnimTick, actors by their own draw count; a missing sheet is
// reported and draws nothing.
#include <unistd.h>

#include <cstdio>

#include "world_fixture.h"

using TileDrawing = WorldTest;

TEST_F(TileDrawing, EachCellClassDrawsFromItsSheetCellAndPlainCellsDrawNothing)
{
    Wall *wall = new Wall();
    wall->variant = 3;
    // clang-format off
  const struct { Tile* tile; int column, row; } cases[] = {
    { new Floor(),       4, 2 },
    { new Bridge(),      5, 6 },
    { new Stairs_up(),   4, 1 },
    { new Stairs_down(), 4, 0 },
    { wall,              4, 8 },
  };
    // clang-format on
    for (int i = 0; i < 5; ++i) {
        cases[i].tile->drawAt(i, 7);
        EXPECT_EQ(worldCellColour(i, 7), sheetCellColour(cases[i].column, cases[i].row)) << "case " << i;
    }
    Tile plain;
    plain.drawAt(9, 7);
    EXPECT_EQ(worldCellColour(9, 7), makecol(0, 0, 0));
}

TEST_F(TileDrawing, BackgroundShowsFirstFrameForTicksZeroToFourAndSecondForFiveToNine)
{
    Floor cell;
    for (int step = 0; step < 20; ++step) {
        const int tick = AnimTick;
        cell.drawBackground(1, 1);
        EXPECT_EQ(worldCellColour(1, 1), sheetCellColour(4, tick <= 4 ? 3 : 4)) << "tick " << tick;
        advanceAnimTick();
    }
    EXPECT_EQ(AnimTick, 0);  // wrapped after 9, twice
    AnimTick = 6;
    new Monster();  // every construction restarts the animation
    EXPECT_EQ(AnimTick, 0);
}

TEST_F(TileDrawing, ActorShowsSecondFrameFromSixthDrawAndThirdFromTenthThenWraps)
{
    Bottle *bottle = bottleAt(4, 4);
    for (int draw = 1; draw <= 25; ++draw) {
        bottle->drawSelf();
        const int expected = draw <= 5 ? 0 : ((draw - 6) / 4 + 1) % 5;
        EXPECT_EQ(worldCellColour(4, 4), sheetCellColour(5, expected)) << "draw " << draw;
    }
}

TEST_F(TileDrawing, MonsterRowFollowsDirectionAndVariety)
{
    Monster *monster = monsterAt(8, 9);
    for (int variety = 0; variety < 2; ++variety) {
        for (int direction = 1; direction <= 4; ++direction) {
            monster->variety = variety;
            monster->direction = direction;
            const int frame = monster->frame;
            monster->drawSelf();
            EXPECT_EQ(worldCellColour(8, 9), sheetCellColour(frame, direction + 3 + 4 * variety));
        }
    }
}

TEST_F(TileDrawing, PlayerRowFollowsFacingAndTheStillImageIsFixed)
{
    for (int direction = 1; direction <= 4; ++direction) {
        ThePlayer->direction = direction;
        ThePlayer->frame = direction - 1;
        ThePlayer->drawAt(2, 2);
        EXPECT_EQ(worldCellColour(2, 2), sheetCellColour(direction - 1, direction - 1));
    }
    ThePlayer->drawStill(3, 2);
    EXPECT_EQ(worldCellColour(3, 2), sheetCellColour(2, 0));
}

TEST_F(TileDrawing, MissingSheetIsReportedAtEachConstructionAndDrawingDoesNothing)
{
    BITMAP *sheet = SpriteSheet;
    char home[] = "/tmp/world-no-art-XXXXXX";
    ASSERT_NE(mkdtemp(home), nullptr);
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(home), 0);  // no "Gfx/Tile.bmp" here
    SpriteSheet = nullptr;

    testing::internal::CaptureStdout();
    Floor *floor = new Floor();
    new Wall();
    std::fflush(stdout);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said, "Spritesheet not loaded\nSpritesheet not loaded\n");
    EXPECT_EQ(floor->isWalkable(), 1);
    floor->drawBackground(3, 3);
    floor->drawAt(3, 3);
    ThePlayer->drawAt(3, 3);
    EXPECT_EQ(worldCellColour(3, 3), makecol(0, 0, 0));

    EXPECT_EQ(chdir(previous), 0);
    rmdir(home);
    SpriteSheet = sheet;
}
