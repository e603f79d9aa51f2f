#include "contact_sheet.h"

#include <cstdio>

namespace {

constexpr int CELL = 32;
constexpr int ZOOM = 3;
constexpr int PAD = 6;
constexpr int LABEL = 22;
constexpr int BLOCK_W = CELL * ZOOM + 2 * PAD;
constexpr int BLOCK_H = CELL * ZOOM + PAD + LABEL;
constexpr int TITLE = 24;

// clang-format off
// Actor rows: what each row of columns 0-3 shows.
const char *const ACTOR_ROWS[12] = {
    "pirate up",    "pirate right", "pirate down",  "pirate left",
    "crab up",      "crab left",    "crab down",    "crab right",
    "skel. up",     "skel. left",   "skel. down",   "skel. right",
};
// Column 4, rows 0-9, and column 5, rows 0-6.
const char *const COLUMN4[12] = {
    "hatch down", "ladder up", "deck", "sea 0", "sea 1",
    "wall 0", "wall 1", "wall 2", "wall 3", "wall 4", "-", "-",
};
const char *const COLUMN5[12] = {
    "bottle 0", "bottle 1", "bottle 2", "bottle 3", "bottle 4",
    "-", "bridge", "-", "-", "-", "-", "-",
};
// clang-format on

}  // namespace

const char *sheetCellName(int column, int row)
{
    if (row < 0 || row >= 12 || column < 0 || column >= 6) return "-";
    if (column == 4) return COLUMN4[row];
    if (column == 5) return COLUMN5[row];
    return ACTOR_ROWS[row];
}

BITMAP *renderContactSheet(BITMAP *sheet)
{
    const int columns = sheet->w / CELL, rows = sheet->h / CELL;
    BITMAP *out = create_bitmap(columns * BLOCK_W, TITLE + rows * BLOCK_H);
    if (!out) return nullptr;
    const int paper = makecol(40, 36, 48), ink = makecol(236, 232, 220), grid = makecol(120, 116, 130);
    const int checkA = makecol(200, 200, 200), checkB = makecol(150, 150, 150);
    clear_to_color(out, paper);
    textout_ex(out, font, "Gfx/Tile.bmp: column,row and contents; checks show transparency", PAD, 8, ink, -1);

    BITMAP *cell = create_bitmap(CELL, CELL);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int x = c * BLOCK_W + PAD, y = TITLE + r * BLOCK_H + PAD;
            for (int cy = 0; cy < CELL * ZOOM; cy += 8)
                for (int cx = 0; cx < CELL * ZOOM; cx += 8)
                    rectfill(out, x + cx, y + cy, x + cx + 7, y + cy + 7, ((cx + cy) / 8) % 2 ? checkA : checkB);
            clear_to_color(cell, bitmap_mask_color(cell));
            blit(sheet, cell, c * CELL, r * CELL, 0, 0, CELL, CELL);
            masked_stretch_blit(cell, out, 0, 0, CELL, CELL, x, y, CELL * ZOOM, CELL * ZOOM);
            rect(out, x - 1, y - 1, x + CELL * ZOOM, y + CELL * ZOOM, grid);
            char label[48];
            std::snprintf(label, sizeof label, "%d,%d", c, r);
            textout_ex(out, font, label, x, y + CELL * ZOOM + 3, ink, -1);
            textout_ex(out, font, sheetCellName(c, r), x, y + CELL * ZOOM + 12, ink, -1);
        }
    destroy_bitmap(cell);
    return out;
}
