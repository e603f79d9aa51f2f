#include "world_fixture.h"

#include <cerrno>
#include <cstdlib>

int sheetCellColour(int column, int row)
{
    return makecol(column * 40, row * 20, 96);
}

int worldCellColour(int x, int y)
{
    return getpixel(WorldBitmap, x * CELL_SIZE + 16, y * CELL_SIZE + 16);
}

Cell findKind(int kind)
{
    Cell found{-1, -1};
    for (int x = 0; x < GRID_SIZE; ++x) {
        for (int y = 0; y < GRID_SIZE; ++y) {
            if (TileGrid[x][y]->kind == kind) found = {x, y};
        }
    }
    return found;
}

Monster *monsterAt(int x, int y)
{
    Monster *monster = new Monster();
    MonsterList.push_back(monster);
    monster->setX(x);
    monster->setY(y);
    return monster;
}

Bottle *bottleAt(int x, int y)
{
    Bottle *bottle = new Bottle();
    bottle->setPosition(x, y);
    BottleList.push_back(bottle);
    return bottle;
}

void WorldTest::SetUp()
{
    static bool started = false;
    if (!started) {
        started = true;
        ASSERT_EQ(install_allegro(SYSTEM_NONE, &errno, atexit), 0);
        set_color_depth(16);
        WorldBitmap = create_bitmap(GRID_SIZE * CELL_SIZE, GRID_SIZE * CELL_SIZE);
        SpriteSheet = create_bitmap(6 * CELL_SIZE, 12 * CELL_SIZE);
        for (int c = 0; c < 6; ++c) {
            for (int r = 0; r < 12; ++r) {
                rectfill(SpriteSheet, c * CELL_SIZE, r * CELL_SIZE, (c + 1) * CELL_SIZE - 1, (r + 1) * CELL_SIZE - 1,
                         sheetCellColour(c, r));
            }
        }
    }
    releaseWorldObjects();
    clear_to_color(WorldBitmap, makecol(0, 0, 0));
    fillCells<Tile>(0, 0, GRID_SIZE - 1, GRID_SIZE - 1);
    Score = LevelIndex = PlayerX = PlayerY = 0;
    for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
    ThePlayer = new Player();
}

void WorldTest::TearDown()
{
    for (int k = 0; k < KEY_MAX; ++k) key[k] = 0;
    releaseWorldObjects();
}

std::string levelMap()
{
    std::string map;
    for (int y = 0; y < GRID_SIZE; ++y) {
        for (int x = 0; x < GRID_SIZE; ++x) {
            const Tile *cell = TileGrid[x][y];
            char c = ' ';
            if (const Wall *wall = dynamic_cast<const Wall *>(cell)) c = static_cast<char>('0' + wall->variant);
            if (dynamic_cast<const Floor *>(cell)) c = '.';
            if (dynamic_cast<const Bridge *>(cell)) c = '=';
            if (dynamic_cast<const Stairs_up *>(cell)) c = '<';
            if (dynamic_cast<const Stairs_down *>(cell)) c = '>';
            for (const Bottle *bottle : BottleList) {
                if (bottle->getX() == x && bottle->getY() == y) c = 'b';
            }
            if (x == PlayerX && y == PlayerY) c = '@';
            map += c;
        }
        map += '\n';
    }
    return map;
}
