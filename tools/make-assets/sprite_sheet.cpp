#include "sprite_sheet.h"

#include "Gfx/palette.h"
#include "Gfx/sheet_art.h"

BITMAP *buildSpriteSheet()
{
    BITMAP *sheet = create_bitmap_ex(24, SHEET_COLUMNS * ART_CELL, SHEET_ROWS * ART_CELL);
    if (!sheet) return nullptr;
    clear_to_color(sheet, bitmap_mask_color(sheet));
    paintPirate(sheet);
    paintCrab(sheet);
    paintSkeleton(sheet);
    paintLevelTiles(sheet);
    paintBottles(sheet);
    return sheet;
}
