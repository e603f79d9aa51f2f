#include "world/sprite_sheet.h"

#include "world/game_state.h"

void loadSpriteSheet(const char *path)
{
    SpriteSheet = load_bitmap(path, nullptr);
}

void drawSheetCell(int column, int row, int x, int y, int size)
{
    // A game without its art still runs: it just shows nothing for the cell.
    if (SpriteSheet == nullptr || WorldBitmap == nullptr) return;
    masked_blit(SpriteSheet, WorldBitmap, column * size, row * size, x * size, y * size, size, size);
}

void drawSheetPicture(int column, int row, BITMAP *target, int px, int py)
{
    if (SpriteSheet == nullptr || target == nullptr) return;
    masked_blit(SpriteSheet, target, column * CELL_SIZE, row * CELL_SIZE, px, py, CELL_SIZE, CELL_SIZE);
}
