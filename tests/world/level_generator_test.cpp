// Properties every generated level must have, checked over many seeds, the
// order of the random draws, the bound on room placement, and two seeded
// levels kept as fixed pictures.
#include <cstdlib>
#include <fstream>
#include <queue>
#include <sstream>
#include <vector>

#include "world_fixture.h"

namespace {

struct Cell {
  int x, y;
};

std::vector<Cell> cellsOfKind(int kind) {
  std::vector<Cell> found;
  for (int x = 0; x < GRID_SIZE; ++x) {
    for (int y = 0; y < GRID_SIZE; ++y) {
      if (TileGrid[x][y]->kind == kind) found.push_back({x, y});
    }
  }
  return found;
}

bool inside(const RoomRect& r, int x, int y) { return x > r.x0 && x < r.x1 && y > r.y0 && y < r.y1; }

// Cells reachable from (x, y) by walkable cells, four ways.
std::vector<std::vector<bool>> reachableFrom(int x, int y) {
  std::vector<std::vector<bool>> seen(GRID_SIZE, std::vector<bool>(GRID_SIZE, false));
  std::queue<Cell> open;
  open.push({x, y});
  seen[x][y] = true;
  const int dx[] = {1, -1, 0, 0};
  const int dy[] = {0, 0, 1, -1};
  while (!open.empty()) {
    const Cell c = open.front();
    open.pop();
    for (int k = 0; k < 4; ++k) {
      const int nx = c.x + dx[k];
      const int ny = c.y + dy[k];
      if (nx < 0 || ny < 0 || nx >= GRID_SIZE || ny >= GRID_SIZE || seen[nx][ny]) continue;
      if (TileGrid[nx][ny]->walkable != 1) continue;
      seen[nx][ny] = true;
      open.push({nx, ny});
    }
  }
  return seen;
}

// A wall-ring cell of `r` turned into a bridge, next to the room's inside.
bool hasDoorway(const RoomRect& r) {
  for (int x = r.x0 + 1; x < r.x1; ++x) {
    if (dynamic_cast<Bridge*>(TileGrid[x][r.y0]) || dynamic_cast<Bridge*>(TileGrid[x][r.y1])) return true;
  }
  for (int y = r.y0 + 1; y < r.y1; ++y) {
    if (dynamic_cast<Bridge*>(TileGrid[r.x0][y]) || dynamic_cast<Bridge*>(TileGrid[r.x1][y])) return true;
  }
  return false;
}

// Checks one freshly generated level; returns a description of the first
// broken rule, or an empty string.
std::string brokenRule() {
  const LevelBuildReport& report = lastLevelReport();
  const int rooms = report.roomsBuilt;
  if (rooms < 1 || rooms > report.roomsPlanned || report.roomsPlanned > 9) return "room count";

  const std::vector<Cell> ups = cellsOfKind(KIND_STAIRS_UP);
  const std::vector<Cell> downs = cellsOfKind(KIND_STAIRS_DOWN);
  if (ups.size() != 1 || downs.size() != 1) return "not exactly one stairs each way";
  if (!inside(report.rooms[0], ups[0].x, ups[0].y)) return "up-stairs outside the first room";
  if (!inside(report.rooms[rooms - 1], downs[0].x, downs[0].y)) return "down-stairs outside the last room";

  for (int j = 0; j < rooms; ++j) {
    const RoomRect& r = report.rooms[j];
    const int w = r.x1 - r.x0;
    const int h = r.y1 - r.y0;
    if (r.x0 < 1 || r.x1 > 49 || r.y0 < 1 || r.y1 > 48) return "room outside columns 1..49, rows 1..48";
    if (w < 5 || w > 16 || h < 5 || h > 32 || w + h <= 12) return "room size";
    if (w - 2 > 3 * (h - 2) || h - 2 > 3 * (w - 2)) return "room proportions";
    for (int k = 0; k < j; ++k) {
      const RoomRect& o = report.rooms[k];
      if (r.x0 <= o.x1 && o.x0 <= r.x1 && r.y0 <= o.y1 && o.y0 <= r.y1) return "rooms overlap";
    }
    if (rooms > 1 && !hasDoorway(r)) return "room without a doorway";
  }

  const auto seen = reachableFrom(ups[0].x, ups[0].y);
  for (int j = 0; j < rooms; ++j) {
    const RoomRect& r = report.rooms[j];
    for (int x = r.x0 + 1; x < r.x1; ++x) {
      for (int y = r.y0 + 1; y < r.y1; ++y) {
        if (!seen[x][y]) return "room cell unreachable from the up-stairs";
      }
    }
  }

  if (TileGrid[PlayerX][PlayerY]->walkable != 1 || PlayerX != ups[0].x ||
      (PlayerY != ups[0].y + 1 && PlayerY != ups[0].y - 1)) {
    return "player not beside the up-stairs";
  }

  std::vector<std::vector<bool>> bottleAt(GRID_SIZE, std::vector<bool>(GRID_SIZE, false));
  for (const Bottle* b : BottleList) {
    if (!dynamic_cast<Floor*>(TileGrid[b->getX()][b->getY()])) return "bottle not on a floor";
    if (bottleAt[b->getX()][b->getY()]) return "two bottles on one cell";
    bottleAt[b->getX()][b->getY()] = true;
    bool inRoom = false;
    for (int j = 0; j < rooms; ++j) {
      const RoomRect& r = report.rooms[j];
      if (inside(r, b->getX(), b->getY())) {
        inRoom = true;
        if (b->getX() == r.x0 + 1 || b->getY() == r.y0 + 1) return "bottle in a first inside row or column";
      }
    }
    if (!inRoom) return "bottle outside the rooms";
  }
  if (MonsterList.size() != 0) return "a new level with monsters";
  return "";
}

std::string readFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

using LevelGenerator = WorldTest;

// Ten thousand seeds in four shards, so that the sanitizer build can run
// them side by side. Each shard also meets levels that had to give up a
// room, whose down-stairs then lie in the last room built.
class LevelRules : public WorldTest, public ::testing::WithParamInterface<int> {};

TEST_P(LevelRules, HoldForEverySeededLevel) {
  constexpr int SEEDS_PER_SHARD = 2500;
  int failures = 0;
  int shortLevels = 0;
  const int first = GetParam() * SEEDS_PER_SHARD;
  for (int seed = first; seed < first + SEEDS_PER_SHARD && failures < 5; ++seed) {
    releaseWorldObjects();
    std::srand(seed);
    generateLevel();
    shortLevels += lastLevelReport().roomsBuilt < lastLevelReport().roomsPlanned;
    const std::string broken = brokenRule();
    if (!broken.empty()) {
      ADD_FAILURE() << "seed " << seed << ": " << broken << "\n" << levelMap();
      ++failures;
    }
  }
  EXPECT_GT(shortLevels, 0);
}

INSTANTIATE_TEST_SUITE_P(TenThousandSeeds, LevelRules, ::testing::Range(0, 4));

TEST_F(LevelGenerator, RandomNumbersAreDrawnInTheOrderOfTheRules) {
  // Replays the first room of a level with the runtime generator alone: the
  // room count, the rectangle draws, one number per wall built, then the
  // up-stairs point (and, for one room, the down-stairs point).
  for (int seed = 100; seed < 400; ++seed) {
    std::srand(seed);
    const int r = std::rand() % 85 + 1;
    const int expectedRooms = r <= 4 ? 9 : r <= 10 ? 1 : r <= 70 ? (r - 1) / 10 + 1 : r <= 81 ? 8 : 9;
    int x0, y0, x1, y1;
    for (;;) {
      x0 = std::rand() % 46 + 1;
      y0 = std::rand() % 46 + 1;
      x1 = x0 + 2 + std::rand() % (49 - x0) + 1;
      y1 = y0 + 2 + std::rand() % (49 - y0) + 1;
      const int w = x1 - x0;
      const int h = y1 - y0;
      if (x1 > 49 || y1 > 48) continue;
      if (w <= 16 && h <= 32 && w - 2 <= 3 * (h - 2) && h - 2 <= 3 * (w - 2) && w + h > 12) break;
    }
    for (int wall = 0; wall < 2 * (x1 - x0 + 1) + 2 * (y1 - y0 + 1); ++wall) std::rand();
    const int sx = x0 + 1 + std::rand() % (x1 - x0 - 2) + 1;
    const int sy = y0 + 1 + std::rand() % (y1 - y0 - 2) + 1;
    int dx = sx;
    int dy = sy;
    while (expectedRooms == 1 && dx == sx && dy == sy) {
      dx = x0 + 1 + std::rand() % (x1 - x0 - 2) + 1;
      dy = y0 + 1 + std::rand() % (y1 - y0 - 2) + 1;
    }

    releaseWorldObjects();
    std::srand(seed);
    generateLevel();
    const LevelBuildReport& report = lastLevelReport();
    ASSERT_EQ(report.roomsPlanned, expectedRooms) << "seed " << seed;
    EXPECT_EQ(report.rooms[0].x0, x0) << "seed " << seed;
    EXPECT_EQ(report.rooms[0].y0, y0) << "seed " << seed;
    EXPECT_EQ(report.rooms[0].x1, x1) << "seed " << seed;
    EXPECT_EQ(report.rooms[0].y1, y1) << "seed " << seed;
    EXPECT_EQ(TileGrid[sx][sy]->kind, KIND_STAIRS_UP) << "seed " << seed;
    if (expectedRooms == 1) {
      EXPECT_EQ(TileGrid[dx][dy]->kind, KIND_STAIRS_DOWN) << "seed " << seed;
    }
  }
}

TEST_F(LevelGenerator, SameSeedBuildsTheSameLevel) {
  std::srand(4242);
  generateLevel();
  const std::string first = levelMap();
  releaseWorldObjects();
  std::srand(4242);
  generateLevel();
  EXPECT_EQ(levelMap(), first);
}

TEST_F(LevelGenerator, SeededLevelsMatchTheirKeptPictures) {
  for (int seed : {7, 2026}) {
    releaseWorldObjects();
    std::srand(seed);
    generateLevel();
    const std::string path = std::string(WORLD_GOLDEN_DIR) + "/level_seed_" + std::to_string(seed) + ".txt";
    const std::string kept = readFile(path);
    if (std::getenv("WORLD_WRITE_GOLDEN")) std::ofstream(path) << levelMap();
    EXPECT_EQ(levelMap(), kept) << "seed " << seed << " (" << path << ")";
  }
}

TEST_F(LevelGenerator, LevelsThatOnceFrozeTheGameAreBuiltWithTheRoomsThatFit) {
  // Without a bound these seeds find no place for a late room in millions of
  // draws. They now give that room up and end with the rooms already built.
  for (int seed : {9730, 10121, 10380}) {
    releaseWorldObjects();
    std::srand(seed);
    generateLevel();
    const LevelBuildReport& report = lastLevelReport();
    EXPECT_LT(report.roomsBuilt, report.roomsPlanned) << "seed " << seed;
    EXPECT_LE(report.maxAttempts, MAX_ROOM_ATTEMPTS) << "seed " << seed;
    EXPECT_EQ(brokenRule(), "") << "seed " << seed << "\n" << levelMap();
  }
}

TEST_F(LevelGenerator, NewLevelLeavesTheOldLevelsActorsToItsStoredCopy) {
  std::srand(3);
  generateLevel();
  Monster* monster = new Monster();
  MonsterList.push_back(monster);
  const std::size_t bottles = BottleList.size();
  LevelStore[0] = captureCurrentLevel();
  generateLevel();
  EXPECT_TRUE(MonsterList.empty());
  ASSERT_EQ(LevelStore.size(), 2u);
  ASSERT_EQ(LevelStore[0].monsters.size(), 1u);
  EXPECT_EQ(LevelStore[0].monsters[0], monster);
  EXPECT_EQ(LevelStore[0].bottles.size(), bottles);
  EXPECT_EQ(LevelStore[1].bottles, BottleList);
}
