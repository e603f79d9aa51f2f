// The events a play step reports: exactly what happened, in order, and in
// agreement with the world's own counters over a long seeded game.
#include <algorithm>
#include <cstdlib>
#include <queue>
#include <random>
#include <vector>

#include "world_fixture.h"

namespace {

using Kind = WorldEventKind;

// One arrow along the shortest walkable way from the player to (x, y),
// around stairs and bottles other than the target, or none when there is
// no way.
ArrowKeys arrowTowards(int x, int y)
{
    int from[GRID_SIZE][GRID_SIZE];
    for (auto &column : from)
        for (int &cell : column) cell = -1;
    std::queue<Cell> open;
    open.push({x, y});
    from[x][y] = 4;
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, 1, -1};
    while (!open.empty()) {
        const Cell c = open.front();
        open.pop();
        for (int d = 0; d < 4; ++d) {
            const int nx = c.x + dx[d];
            const int ny = c.y + dy[d];
            if (nx < 0 || ny < 0 || nx >= GRID_SIZE || ny >= GRID_SIZE || from[nx][ny] != -1) continue;
            if (TileGrid[nx][ny]->walkable != 1) continue;
            const int kind = TileGrid[nx][ny]->kind;
            const bool player = nx == PlayerX && ny == PlayerY;
            const bool bottle = std::any_of(BottleList.begin(), BottleList.end(),
                                            [&](const Bottle *b) { return b->getX() == nx && b->getY() == ny; });
            if (!player && (bottle || kind == KIND_STAIRS_UP || kind == KIND_STAIRS_DOWN)) continue;
            from[nx][ny] = d;
            open.push({nx, ny});
        }
    }
    ArrowKeys walk;
    // The way back from the player: the direction that reached it, reversed.
    switch (from[PlayerX][PlayerY]) {
    case 0:
        walk.left = true;
        break;
    case 1:
        walk.right = true;
        break;
    case 2:
        walk.up = true;
        break;
    case 3:
        walk.down = true;
        break;
    default:
        break;
    }
    return walk;
}

// Steps towards (x, y) until `until` holds; the events of all those steps.
template <typename Done> std::vector<WorldEvent> walkUntil(int x, int y, Done until)
{
    std::vector<WorldEvent> events;
    for (int step = 0; step < 400 && !until(); ++step) {
        advanceWorld(arrowTowards(x, y));
        for (const WorldEvent &e : takeWorldEvents()) events.push_back(e);
    }
    return events;
}

class WorldEvents : public WorldTest {};

// A seed whose first level lets the pirate take a bottle, go down and come
// back up before any monster appears.
constexpr unsigned SEED_FOR_A_QUIET_WALK = 5;

TEST_F(WorldEvents, ABottleStairsDownAndBackUpAreReportedExactlyAndInOrder)
{
    std::srand(SEED_FOR_A_QUIET_WALK);
    startHeadlessGame();
    std::vector<WorldEvent> events = takeWorldEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::NewGame);
    EXPECT_EQ(events[0].x, PlayerX);
    EXPECT_EQ(events[0].y, PlayerY);
    ASSERT_FALSE(BottleList.empty());

    const Bottle *bottle = BottleList.front();
    const int bottleX = bottle->getX();
    const int bottleY = bottle->getY();
    const std::size_t bottles = BottleList.size();
    events = walkUntil(bottleX, bottleY, [&] { return BottleList.size() < bottles; });
    const Cell down = findKind(KIND_STAIRS_DOWN);
    for (const WorldEvent &e : walkUntil(down.x, down.y, [] { return LevelIndex == 1; })) events.push_back(e);
    const Cell up = findKind(KIND_STAIRS_UP);
    for (const WorldEvent &e : walkUntil(up.x, up.y, [] { return LevelIndex == 0; })) events.push_back(e);

    ASSERT_EQ(events.size(), 3u) << "a monster appeared on the way: choose another seed";
    EXPECT_EQ(events[0].kind, Kind::BottleTaken);
    EXPECT_EQ(events[0].x, bottleX);
    EXPECT_EQ(events[0].y, bottleY);
    EXPECT_EQ(events[0].points, 10);
    EXPECT_EQ(Score, 10);

    EXPECT_EQ(events[1].kind, Kind::LevelChanged);
    EXPECT_EQ(events[1].fromLevel, 0);
    EXPECT_EQ(events[1].toLevel, 1);
    EXPECT_TRUE(events[1].down);
    EXPECT_TRUE(events[1].newLevel);

    EXPECT_EQ(events[2].kind, Kind::LevelChanged);
    EXPECT_EQ(events[2].fromLevel, 1);
    EXPECT_EQ(events[2].toLevel, 0);
    EXPECT_FALSE(events[2].down);
    EXPECT_FALSE(events[2].newLevel) << "level 1 was kept, not made again";
    EXPECT_EQ(events[2].x, PlayerX) << "the event names where the player arrived";
    EXPECT_EQ(events[2].y, PlayerY);

    // A step that changes nothing reports nothing: a pirate walking into
    // the grid's edge, on a level without monsters to come.
    MonsterList.clear();
    ArrowKeys none;
    playerTurn(none);
    EXPECT_TRUE(takeWorldEvents().empty());
}

TEST_F(WorldEvents, TheFirstLevelsStairsUpSayOnceThatTheyLeadNowhere)
{
    std::srand(SEED_FOR_A_QUIET_WALK);
    startHeadlessGame();
    takeWorldEvents();
    const Cell up = findKind(KIND_STAIRS_UP);
    auto nowhere = [](const std::vector<WorldEvent> &events) {
        return std::count_if(events.begin(), events.end(), [](const WorldEvent &e) { return e.kind == Kind::NoWayUp; });
    };
    const std::vector<WorldEvent> onto = walkUntil(up.x, up.y, [&] { return PlayerX == up.x && PlayerY == up.y; });
    ASSERT_TRUE(PlayerX == up.x && PlayerY == up.y) << "the pirate did not reach the stairs up";
    ASSERT_EQ(nowhere(onto), 1);
    const WorldEvent &said =
        *std::find_if(onto.begin(), onto.end(), [](const WorldEvent &e) { return e.kind == Kind::NoWayUp; });
    EXPECT_EQ(said.fromLevel, 0);
    EXPECT_EQ(said.x, up.x);
    EXPECT_EQ(said.y, up.y);
    EXPECT_EQ(LevelIndex, 0);

    // Standing on them says nothing more.
    std::vector<WorldEvent> standing;
    for (int step = 0; step < 20; ++step) {
        advanceWorld(ArrowKeys{});
        for (const WorldEvent &e : takeWorldEvents()) standing.push_back(e);
    }
    EXPECT_EQ(nowhere(standing), 0);
}

TEST_F(WorldEvents, ThreeThousandSeededStepsAgreeWithTheCounters)
{
    std::srand(77);
    startHeadlessGame();
    takeWorldEvents();
    std::mt19937 walker(77);
    int monstersSeen = 0;
    int levelChanges = 0;
    for (int step = 0; step < 3000; ++step) {
        // Mostly a purposeful walk (bottles first, then down, and up again
        // now and then), with random stretches; a pirate boxed in is freed as
        // the game's trap rule would free it.
        Cell aim = findKind((step / 300) % 3 == 2 ? KIND_STAIRS_UP : KIND_STAIRS_DOWN);
        if (!BottleList.empty() && (step / 300) % 3 == 0)
            aim = {BottleList.front()->getX(), BottleList.front()->getY()};
        ArrowKeys walk = arrowTowards(aim.x, aim.y);
        if (walker() % 5 == 0 || !(walk.left || walk.right || walk.up || walk.down)) {
            const unsigned bits = walker();
            walk.right = bits & 1;
            walk.left = bits & 2;
            walk.up = bits & 4;
            walk.down = bits & 8;
        }
        if (walker() % 50 == 0) MonsterList.clear();
        const int score = Score;
        const int level = LevelIndex;
        const std::size_t monsters = MonsterList.size();
        advanceWorld(walk);
        int points = 0;
        int expectedLevel = level;
        std::size_t appeared = 0;
        for (const WorldEvent &e : takeWorldEvents()) {
            if (e.kind == Kind::BottleTaken) points += e.points;
            if (e.kind == Kind::LevelChanged) {
                ASSERT_EQ(e.fromLevel, expectedLevel) << "step " << step;
                expectedLevel = e.toLevel;
                ++levelChanges;
            }
            if (e.kind == Kind::MonsterAppeared) ++appeared;
        }
        ASSERT_EQ(Score - score, points) << "step " << step;
        ASSERT_EQ(LevelIndex, expectedLevel) << "step " << step;
        if (LevelIndex == level) {
            ASSERT_EQ(MonsterList.size(), monsters + appeared) << "step " << step;
        }
        monstersSeen += static_cast<int>(appeared);
    }
    // The walk went somewhere: the agreement above was put to the test.
    EXPECT_GT(levelChanges, 2);
    EXPECT_GT(monstersSeen, 2);
    EXPECT_GT(Score, 0);
}

}  // namespace
