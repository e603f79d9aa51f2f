#include "world/cells.h"

#include "world/random.h"
#include "world/sprite_sheet.h"

// clang-format off
// Sheet cells (column, row) of the terrain images; the stairs' are in
// world/sprite_sheet.h.
constexpr int FLOOR_ROW           = 2;
constexpr int WALL_FIRST_ROW      = 5;  // variants 0..4 in rows 5..9
constexpr int BRIDGE_COLUMN       = 5;
constexpr int BRIDGE_ROW          = 6;
// clang-format on

Wall::Wall()
{
    kind = KIND_WALL;
    variant = randomUpTo(5) - 1;
}

void Wall::drawAt(int x, int y)
{
    drawSheetCell(TERRAIN_COLUMN, WALL_FIRST_ROW + variant, x, y, size);
}

Floor::Floor()
{
    kind = KIND_FLOOR;
    walkable = 1;
}

void Floor::drawAt(int x, int y)
{
    drawSheetCell(TERRAIN_COLUMN, FLOOR_ROW, x, y, size);
}

Bridge::Bridge()
{
    kind = KIND_FLOOR;
    walkable = 1;
}

void Bridge::drawAt(int x, int y)
{
    drawSheetCell(BRIDGE_COLUMN, BRIDGE_ROW, x, y, size);
}

Stairs_up::Stairs_up()
{
    kind = KIND_STAIRS_UP;
    walkable = 1;
}

void Stairs_up::drawAt(int x, int y)
{
    drawSheetCell(TERRAIN_COLUMN, STAIRS_UP_ROW, x, y, size);
}

Stairs_down::Stairs_down()
{
    kind = KIND_STAIRS_DOWN;
    walkable = 1;
}

void Stairs_down::drawAt(int x, int y)
{
    drawSheetCell(TERRAIN_COLUMN, STAIRS_DOWN_ROW, x, y, size);
}
