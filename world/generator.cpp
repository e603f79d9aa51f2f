#include "world/generator.h"

#include <algorithm>

#include "world/bottle.h"
#include "world/cells.h"
#include "world/level.h"
#include "world/random.h"
#include "world/stairs_rule.h"
#include "world/tile.h"

namespace {

// clang-format off
// Room count from a draw of randomUpTo(85): the draw's upper bound for each
// count. Few levels get a single room or the full nine.
struct RoomCountBand { int upTo; int rooms; };
constexpr RoomCountBand ROOM_COUNT_BANDS[] = {
  {  4, 9 },
  { 10, 1 },
  { 20, 2 },
  { 30, 3 },
  { 40, 4 },
  { 50, 5 },
  { 60, 6 },
  { 70, 7 },
  { 81, 8 },
  { 85, 9 },
};
// clang-format on

// Largest room extents (outer width and height, walls included) and the
// rule that keeps rooms from being tiny.
constexpr int MAX_ROOM_W = 16;
constexpr int MAX_ROOM_H = 32;
constexpr int MIN_ROOM_W_PLUS_H = 13;

LevelBuildReport report;

int drawRoomCount()
{
    const int r = randomUpTo(85);
    for (const RoomCountBand &band : ROOM_COUNT_BANDS) {
        if (r <= band.upTo) return band.rooms;
    }
    return 9;
}

struct Point {
    int x, y;
};

// A point inside a room, never in its first inside column or row.
Point drawPointIn(const RoomRect &room)
{
    const int x = room.x0 + 1 + randomUpTo(room.x1 - room.x0 - 2);
    const int y = room.y0 + 1 + randomUpTo(room.y1 - room.y0 - 2);
    return {x, y};
}

bool rectangleIsEmpty(const RoomRect &r)
{
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            if (TileGrid[x][y]->kind != KIND_PLAIN) return false;
        }
    }
    return true;
}

// The size rules, checked before the costly scan; they draw nothing, so the
// order of random numbers is the same as if the scan came first.
bool sizeIsAcceptable(const RoomRect &r)
{
    const int w = r.x1 - r.x0;
    const int h = r.y1 - r.y0;
    return w <= MAX_ROOM_W && h <= MAX_ROOM_H && w - 2 <= 3 * (h - 2) && h - 2 <= 3 * (w - 2) &&
           w + h >= MIN_ROOM_W_PLUS_H;
}

// Draws rectangles until one fits, or gives up after MAX_ROOM_ATTEMPTS
// draws. The first room of a level goes onto an empty grid, where a draw
// fails only on its size, so it is never given up.
bool chooseRoom(int roomIndex, RoomRect &room)
{
    long attempts = 0;
    bool placed = false;
    while (!placed) {
        if (roomIndex > 0 && attempts == MAX_ROOM_ATTEMPTS) break;
        ++attempts;
        room.x0 = randomUpTo(46);
        room.y0 = randomUpTo(46);
        room.x1 = room.x0 + 2 + randomUpTo(49 - room.x0);
        room.y1 = room.y0 + 2 + randomUpTo(49 - room.y0);
        if (room.x1 > 49 || room.y1 > 48) continue;
        placed = sizeIsAcceptable(room) && rectangleIsEmpty(room);
    }
    report.totalAttempts += attempts;
    report.maxAttempts = std::max(report.maxAttempts, attempts);
    return placed;
}

void buildRoom(const RoomRect &r)
{
    for (int x = r.x0; x <= r.x1; ++x) {
        for (int y = r.y0; y <= r.y1; ++y) {
            if (TileGrid[x][y]->kind == KIND_PLAIN) TileGrid[x][y] = new Floor();
        }
        TileGrid[x][r.y0] = new Wall();
        TileGrid[x][r.y1] = new Wall();
    }
    for (int y = r.y0; y <= r.y1; ++y) {
        TileGrid[r.x0][y] = new Wall();
        TileGrid[r.x1][y] = new Wall();
    }
}

bool bottleAt(int x, int y)
{
    return std::any_of(BottleList.begin(), BottleList.end(),
                       [&](const Bottle *b) { return b->getX() == x && b->getY() == y; });
}

// Down-stairs on a drawn point of the room, never on the up-stairs. With
// `avoidBottles` (the stairs come after the room's bottles) a bottle's cell
// is drawn again too, so no bottle ever lies on stairs.
void placeStairsDown(const RoomRect &room, bool avoidBottles)
{
    Point d = drawPointIn(room);
    while (TileGrid[d.x][d.y]->kind == KIND_STAIRS_UP || (avoidBottles && bottleAt(d.x, d.y))) {
        d = drawPointIn(room);
    }
    TileGrid[d.x][d.y] = new Stairs_down();
}

void scatterBottles(const RoomRect &r)
{
    if (randomUpTo(2) != 1) return;
    const int w = r.x1 - r.x0;
    const int h = r.y1 - r.y0;
    const int n = randomUpTo(((w - 3) * (h - 3)) / 2);
    for (int i = 0; i < n; ++i) {
        const Point b = drawPointIn(r);
        // A missed attempt is not repeated: a room holds up to n bottles.
        if (TileGrid[b.x][b.y]->kind == KIND_FLOOR && !bottleAt(b.x, b.y)) {
            Bottle *bottle = new Bottle();
            bottle->setPosition(b.x, b.y);
            BottleList.push_back(bottle);
        }
    }
}

// Every cell of a leg that is not floor or stairs becomes a bridge; a wall
// crossed becomes a doorway.
void layBridge(int x, int y)
{
    const int kind = TileGrid[x][y]->kind;
    if (kind != KIND_FLOOR && kind != KIND_STAIRS_UP && kind != KIND_STAIRS_DOWN) {
        TileGrid[x][y] = new Bridge();
    }
}

void layColumn(int x, int fromY, int toY)
{
    for (int y = fromY; y <= toY; ++y) layBridge(x, y);
}

void layRow(int y, int fromX, int toX)
{
    for (int x = fromX; x <= toX; ++x) layBridge(x, y);
}

// An L-shaped path of bridges from the previous room's point to this one's.
// Vertical legs first, each from its lower row to its higher.
void joinRooms(const RoomRect &prev, Point p, const RoomRect &cur, Point c)
{
    const int r2 = randomUpTo(2);
    if (r2 == 1 && p.x != cur.x0 && p.x != cur.x1) {
        // Corner at (p.x, c.y).
        if (c.y < prev.y0) {
            layColumn(p.x, c.y, prev.y0);
        } else {
            layColumn(p.x, prev.y1, c.y);
        }
        if (p.x < cur.x0) {
            layRow(c.y, p.x, cur.x0);
        } else {
            layRow(c.y, cur.x1, p.x);
        }
    } else {
        // Corner at (c.x, p.y).
        if (p.y < cur.y0) {
            layColumn(c.x, p.y, cur.y0);
        } else {
            layColumn(c.x, cur.y1, p.y);
        }
        if (c.x < prev.x0) {
            layRow(p.y, c.x, prev.x0);
        } else {
            layRow(p.y, prev.x1, c.x);
        }
    }
}

}  // namespace

void generateLevel()
{
    MonsterList.clear();
    BottleList.clear();
    report = LevelBuildReport{};

    for (int x = 0; x < GRID_SIZE; ++x) {
        for (int y = 0; y < GRID_SIZE; ++y) TileGrid[x][y] = new Tile();
    }

    const int roomCount = drawRoomCount();
    report.roomsPlanned = roomCount;

    RoomRect previous{};
    Point previousPoint{};
    for (int j = 0; j < roomCount; ++j) {
        RoomRect room{};
        if (!chooseRoom(j, room)) {
            // No place left for this room: the level keeps the rooms it has, and
            // the last of them takes the down-stairs.
            placeStairsDown(previous, true);
            break;
        }
        buildRoom(room);
        report.rooms[report.roomsBuilt++] = room;

        if (j == 0) {
            const Point s = drawPointIn(room);
            TileGrid[s.x][s.y] = new Stairs_up();
            placePlayerBeside(s.x, s.y);
        }
        if (j == roomCount - 1) placeStairsDown(room, false);
        scatterBottles(room);

        const Point point = drawPointIn(room);
        if (j > 0) joinRooms(previous, previousPoint, room, point);
        previous = room;
        previousPoint = point;
    }

    LevelStore.push_back(captureCurrentLevel());
}

const LevelBuildReport &lastLevelReport()
{
    return report;
}
