// Cells and actors are drawn from the right sheet cells, the background
// animates by AnimTick, and actors animate by their own draw count.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "world_fixture.h"

using TileDrawing = WorldTest;

TEST_F(TileDrawing, EachTerrainClassDrawsFromItsSheetCell) {
  struct Case {
    Tile* tile;
    int column, row;
  };
  Wall* wall = new Wall();
  wall->variant = 3;
  // clang-format off
  const Case cases[] = {
    { new Floor(),       4, 2 },
    { new Bridge(),      5, 6 },
    { new Stairs_up(),   4, 1 },
    { new Stairs_down(), 4, 0 },
    { wall,              4, 8 },
  };
  // clang-format on
  int x = 3;
  for (const Case& c : cases) {
    c.tile->drawAt(x, 7);
    EXPECT_EQ(worldCellColour(x, 7), sheetCellColour(c.column, c.row)) << "cell at column " << x;
    x += 2;
  }
}

TEST_F(TileDrawing, PlainCellDrawsNothingAndShowsOnlyTheBackground) {
  Tile plain;
  EXPECT_EQ(plain.isWalkable(), 0);
  EXPECT_EQ(plain.getKind(), KIND_PLAIN);
  plain.drawAt(2, 2);
  EXPECT_EQ(worldCellColour(2, 2), clearColour());
  plain.drawBackground(2, 2);
  plain.drawAt(2, 2);
  EXPECT_EQ(worldCellColour(2, 2), sheetCellColour(4, 3));
}

TEST_F(TileDrawing, KindsAndWalkabilityOfEveryClass) {
  EXPECT_EQ(Floor().getKind(), KIND_FLOOR);
  EXPECT_EQ(Bridge().getKind(), KIND_FLOOR);
  EXPECT_EQ(Floor().isWalkable(), 1);
  EXPECT_EQ(Bridge().isWalkable(), 1);
  EXPECT_EQ(Stairs_up().getKind(), KIND_STAIRS_UP);
  EXPECT_EQ(Stairs_down().getKind(), KIND_STAIRS_DOWN);
  EXPECT_EQ(Stairs_up().isWalkable(), 1);
  EXPECT_EQ(Stairs_down().isWalkable(), 1);
  EXPECT_EQ(Wall().getKind(), KIND_WALL);
  EXPECT_EQ(Wall().isWalkable(), 0);
  EXPECT_EQ(Player().getKind(), KIND_PLAIN);
  EXPECT_EQ(Monster().isWalkable(), 0);
  EXPECT_EQ(Bottle().getKind(), KIND_PLAIN);
  EXPECT_EQ(Tile().size, CELL_SIZE);
}

TEST_F(TileDrawing, WallVariantIsDrawnFromTheRandomNumberAtConstruction) {
  for (int seed = 1; seed < 40; ++seed) {
    std::srand(seed);
    const int expected = std::rand() % 5;
    std::srand(seed);
    Wall wall;
    EXPECT_EQ(wall.variant, expected);
  }
}

TEST_F(TileDrawing, MaskColourLeavesTheBackgroundVisible) {
  BITMAP* sheet = SpriteSheet;
  BITMAP* holey = create_bitmap(sheet->w, sheet->h);
  blit(sheet, holey, 0, 0, 0, 0, sheet->w, sheet->h);
  // The floor image gets a transparent left half.
  rectfill(holey, 4 * CELL_SIZE, 2 * CELL_SIZE, 4 * CELL_SIZE + 15, 2 * CELL_SIZE + 31, bitmap_mask_color(holey));
  SpriteSheet = holey;
  Floor floor;
  floor.drawBackground(5, 5);
  floor.drawAt(5, 5);
  EXPECT_EQ(getpixel(WorldBitmap, 5 * CELL_SIZE + 4, 5 * CELL_SIZE + 4), sheetCellColour(4, 3));
  EXPECT_EQ(getpixel(WorldBitmap, 5 * CELL_SIZE + 28, 5 * CELL_SIZE + 4), sheetCellColour(4, 2));
  SpriteSheet = sheet;
  destroy_bitmap(holey);
}

TEST_F(TileDrawing, BackgroundShowsFirstFrameForTicksZeroToFourAndSecondForFiveToNine) {
  Floor cell;
  for (int round = 0; round < 2; ++round) {
    for (int tick = 0; tick < 10; ++tick) {
      AnimTick = tick;
      cell.drawBackground(1, 1);
      EXPECT_EQ(worldCellColour(1, 1), sheetCellColour(4, tick <= 4 ? 3 : 4)) << "tick " << tick;
    }
  }
}

TEST_F(TileDrawing, CellOutOfViewKeepsItsFrameUntilDrawnAtATurningTick) {
  Floor cell;
  AnimTick = 4;
  cell.drawBackground(1, 1);  // turns to frame 1 after this draw
  AnimTick = 7;
  cell.drawBackground(1, 1);
  EXPECT_EQ(worldCellColour(1, 1), sheetCellColour(4, 4));
  AnimTick = 2;  // not a turning tick: still frame 1
  cell.drawBackground(1, 1);
  EXPECT_EQ(worldCellColour(1, 1), sheetCellColour(4, 4));
}

TEST_F(TileDrawing, AnimTickWrapsAfterNineAndEveryConstructionResetsIt) {
  AnimTick = 8;
  advanceAnimTick();
  EXPECT_EQ(AnimTick, 9);
  advanceAnimTick();
  EXPECT_EQ(AnimTick, 0);
  AnimTick = 6;
  Bottle bottle;
  EXPECT_EQ(AnimTick, 0);
  AnimTick = 6;
  Monster* monster = new Monster();
  (void)monster;
  EXPECT_EQ(AnimTick, 0);
}

TEST_F(TileDrawing, ActorShowsSecondFrameFromSixthDrawAndThirdFromTenth) {
  Bottle bottle;
  bottle.setPosition(4, 4);
  for (int draw = 1; draw <= 25; ++draw) {
    bottle.drawSelf();
    const int expected = draw <= 5 ? 0 : ((draw - 6) / 4 + 1) % 5;
    EXPECT_EQ(worldCellColour(4, 4), sheetCellColour(5, expected)) << "draw " << draw;
  }
}

TEST_F(TileDrawing, PlayerIsDrawnByFacingAndFrameAndCyclesTwoFramesSideways) {
  Player player;
  player.drawAt(6, 6);
  EXPECT_EQ(worldCellColour(6, 6), sheetCellColour(0, 2));  // facing down, frame 0
  player.direction = 4;
  player.frameCount = 2;
  int seen[3] = {0, 0, 0};
  for (int draw = 0; draw < 40; ++draw) {
    player.drawAt(6, 6);
    for (int f = 0; f < 3; ++f) seen[f] += worldCellColour(6, 6) == sheetCellColour(f, 3);
  }
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
  EXPECT_EQ(seen[2], 0);
  player.drawStill(7, 6);
  EXPECT_EQ(worldCellColour(7, 6), sheetCellColour(2, 0));
}

TEST_F(TileDrawing, MonsterRowFollowsDirectionAndVariety) {
  Monster monster;
  monster.setX(8);
  monster.setY(9);
  for (int variety = 0; variety < 2; ++variety) {
    for (int direction = 1; direction <= 4; ++direction) {
      monster.variety = variety;
      monster.direction = direction;
      monster.frame = 1;
      monster.frameDelay = 0;
      monster.drawSelf();
      EXPECT_EQ(worldCellColour(8, 9), sheetCellColour(1, direction + 3 + 4 * variety));
    }
  }
}

TEST_F(TileDrawing, MissingSheetIsReportedAndDrawingDoesNothing) {
  BITMAP* sheet = SpriteSheet;
  char home[] = "/tmp/world-no-art-XXXXXX";
  ASSERT_NE(mkdtemp(home), nullptr);
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(home), 0);
  SpriteSheet = nullptr;

  testing::internal::CaptureStdout();
  Floor* floor = new Floor();
  Wall* wall = new Wall();
  std::fflush(stdout);
  const std::string said = testing::internal::GetCapturedStdout();
  EXPECT_EQ(said, "Spritesheet not loaded\nSpritesheet not loaded\n");
  EXPECT_EQ(floor->getKind(), KIND_FLOOR);
  EXPECT_EQ(floor->isWalkable(), 1);

  floor->drawBackground(3, 3);
  floor->drawAt(3, 3);
  wall->drawAt(4, 3);
  ThePlayer->drawAt(5, 3);
  EXPECT_EQ(worldCellColour(3, 3), clearColour());
  EXPECT_EQ(worldCellColour(4, 3), clearColour());
  EXPECT_EQ(worldCellColour(5, 3), clearColour());

  EXPECT_EQ(chdir(previous), 0);
  rmdir(home);
  SpriteSheet = sheet;
}

TEST_F(TileDrawing, LoadSpriteSheetStoresTheResultEvenOnFailure) {
  BITMAP* sheet = SpriteSheet;
  loadSpriteSheet("/nonexistent/Tile.bmp");
  EXPECT_EQ(SpriteSheet, nullptr);

  char path[] = "/tmp/world-sheet-XXXXXX.bmp";
  const int fd = mkstemps(path, 4);
  ASSERT_GE(fd, 0);
  close(fd);
  ASSERT_EQ(save_bitmap(path, sheet, nullptr), 0);
  loadSpriteSheet(path);
  ASSERT_NE(SpriteSheet, nullptr);
  EXPECT_EQ(getpixel(SpriteSheet, 5 * CELL_SIZE + 3, 6 * CELL_SIZE + 3), sheetCellColour(5, 6));
  destroy_bitmap(SpriteSheet);
  std::remove(path);
  SpriteSheet = sheet;
}
