#include "play_mockup.h"

#include <cstring>

namespace {

constexpr int CELL = 32;
constexpr int VIEW_COLUMNS = 25;
constexpr int VIEW_ROWS = 16;

// clang-format off
// '~' sea, '#' wall, '.' deck, '=' bridge, '<' ladder up, '>' hatch down.
const char *const MAP[VIEW_ROWS] = {
    "~~~~~~~~~~~~~~~~~~~~~~~~~",
    "~#########~~~~~~~~~~~~~~~",
    "~#.......#~~~~~#########~",
    "~#.<.....#~~~~~#.......#~",
    "~#.......=======.......#~",
    "~#.......#~~~~~#.......#~",
    "~#.......#~~~~~#.......#~",
    "~####=####~~~~~#.....>.#~",
    "~~~~~=~~~~~~~~~#.......#~",
    "~~~~~=~~~~~~~~~####=####~",
    "~~~~~=~~~~~~~~~~~~~=~~~~~",
    "~~~~~=~~~~~~~~~~~~~=~~~~~",
    "~~~~~=====#########=#~~~~",
    "~~~~~~~~~~=.........#~~~~",
    "~~~~~~~~~~#.........#~~~~",
    "~~~~~~~~~~#.........#~~~~",
};
// clang-format on

struct Actor {
    int column, row;  // on the map
    int sheetRow;     // facing row on the sheet
    int sheetColumn;  // -1: animated column 0-3; otherwise fixed
};

// clang-format off
//                          x   y  row  col
const Actor ACTORS[] = {
    /* pirate facing down  */ {4,  4,  2, -1},
    /* crab facing left    */ {12, 4,  5, -1},
    /* crab facing up      */ {19, 10, 4, -1},
    /* skeleton down       */ {19, 6,  10, -1},
    /* skeleton right      */ {14, 13, 11, -1},
    /* bottles             */ {6,  2,  0, 5}, {17, 3, 0, 5}, {21, 5, 0, 5}, {12, 14, 0, 5}, {16, 15, 0, 5},
};
// clang-format on

void drawCell(BITMAP *sheet, BITMAP *to, int sheetColumn, int sheetRow, int column, int row)
{
    masked_blit(sheet, to, sheetColumn * CELL, sheetRow * CELL, column * CELL, row * CELL, CELL, CELL);
}

}  // namespace

BITMAP *renderPlayMockup(BITMAP *sheet, BITMAP *status, int frame)
{
    BITMAP *world = create_bitmap(VIEW_COLUMNS * CELL, VIEW_ROWS * CELL);
    BITMAP *screen800 = create_bitmap(800, 600);
    if (!world || !screen800) {
        if (world) destroy_bitmap(world);
        if (screen800) destroy_bitmap(screen800);
        return nullptr;
    }
    for (int y = 0; y < VIEW_ROWS; ++y)
        for (int x = 0; x < VIEW_COLUMNS; ++x) {
            drawCell(sheet, world, 4, 3 + (frame & 1), x, y);
            switch (MAP[y][x]) {
            case '#':
                drawCell(sheet, world, 4, 5 + (x * 7 + y * 13) % 5, x, y);
                break;
            case '.':
                drawCell(sheet, world, 4, 2, x, y);
                break;
            case '=':
                drawCell(sheet, world, 5, 6, x, y);
                break;
            case '<':
                drawCell(sheet, world, 4, 1, x, y);
                break;
            case '>':
                drawCell(sheet, world, 4, 0, x, y);
                break;
            default:
                break;
            }
        }
    int bottle = 0;
    for (const Actor &a : ACTORS) {
        const bool isBottle = a.sheetColumn == 5;
        const int column = isBottle ? 5 : (frame + a.column) % 4;
        const int row = isBottle ? (bottle++ + frame * 2) % 5 : a.sheetRow;
        drawCell(sheet, world, column, row, a.column, a.row);
    }
    clear_to_color(screen800, makecol(0, 0, 0));
    blit(world, screen800, 0, 0, 0, 0, 800, 500);
    blit(status, screen800, 0, 0, 0, 500, 800, 100);
    const int black = makecol(0, 0, 0);
    textprintf_ex(screen800, font, 100, 500 + 35, black, -1, "Level: %d", 3);
    textprintf_ex(screen800, font, 100, 500 + 55, black, -1, "Lives: %d", 2);
    textprintf_right_ex(screen800, font, 700, 500 + 35, black, -1, "Bottles left: %d", 5);
    textprintf_right_ex(screen800, font, 700, 500 + 55, black, -1, "Score: %d", 240);
    destroy_bitmap(world);
    return screen800;
}
