// The level's cells: the sea under everything, deck planks, five stone wall
// blocks, the rope bridge, the ladder up and the hatch down. Walls keep the
// same mortar lines at every edge so any two variants sit side by side
// without a seam; the sea and the deck wrap around at all four edges.
#include "sheet_art.h"

#include "palette.h"

namespace {

// clang-format off
// Deck planks: four long boards, two of them butted and nailed here, so a
// wide deck does not look like a brick wall.
const char *const FLOOR[ART_CELL] = {
    "hhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhh",
    "lllmmmmlllllllllllllllllllllllll",
    "llllllllllllllllllmmmmmmllllllll",
    "lllllllllmmmmmllllllllllllllllll",
    "llllllllllllllllllllllllmmmmmlll",
    "llllllllllllllmmmlllllllllllllll",
    "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm",
    "dddddddddddddddddddddddddddddddd",
    "hhhhhhhhhdhhhhhhhhhhhhhhhhhhhhhh",
    "llllllllldhlllllllllllllllllllll",
    "llllllldldhldlmmmmmmllllllllllll",
    "llllllllldhlllllllllllllmmmmllll",
    "llmmmlllldhlllllllllllllllllllll",
    "llllllldldhldlllllllllllllllllll",
    "mmmmmmmmmdmmmmmmmmmmmmmmmmmmmmmm",
    "dddddddddddddddddddddddddddddddd",
    "hhhhhhhhhhhhhhhhhhhhhhhhhhhhhhhh",
    "llllllllmmmmmlllllllllllllllllll",
    "llllllllllllllllllllllllllllllll",
    "llllllllllllllllmmmmmmllllllllll",
    "lllllllllllllllllllllllllllmmmml",
    "llmmmmllllllllllllllllllllllllll",
    "mmmmmmmmmmmmmmmmmmmmmmmmmmmmmmmm",
    "dddddddddddddddddddddddddddddddd",
    "hhhhhhhhhhhhhhhhhhhhhhhhdhhhhhhh",
    "lllllllllllllllllllllllldhllllll",
    "llllmmmmmllllllllllllldldhldllll",
    "lllllllllllllllllllllllldhllllll",
    "llllllllllllmmmmmllllllldhllllll",
    "lllllllllllllllllllllldldhldmmml",
    "mmmmmmmmmmmmmmmmmmmmmmmmdmmmmmmm",
    "dddddddddddddddddddddddddddddddd",
};

// Stone blocks in running bond, 8-pixel courses; light top-left edges,
// mortar along the bottom and right.
const char *const WALL[ART_CELL] = {
    "tTTttttttttttttStTTttttttttttttS",
    "tTsssssssssssssStTsssssssssssssS",
    "tssssssssstssssStssssssssSsssssS",
    "tsstsssssssssssStsssssssssstsssS",
    "tsssssSssssssssStsssstsssssssssS",
    "tssssssssssssSsStssssssssssssssS",
    "tsssssssssssssSStsssssssssssssSS",
    "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS",
    "tttttttStTTttttttttttttStTTttttt",
    "sssssssStTsssssssssssssStTssssss",
    "sssssssStsssssssstsssssStsssssss",
    "sssssssStSsssssssssssssStsssssss",
    "ssssstsStssssssssssssssStsssssss",
    "sssssssStsssssssssssSssStsssstss",
    "ssssssSStsssssssssssssSStsssssss",
    "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS",
    "tTTttttttttttttStTTttttttttttttS",
    "tTsssssssssssssStTsssssssssssssS",
    "tsssSssssssssssStssssssssssssssS",
    "tssssssssssstssStsssssssssssSssS",
    "tstssssssssssssStssssssssssssssS",
    "tssssssssssssssStssssssstssssssS",
    "tsssssssssssssSStsssssssssssssSS",
    "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS",
    "tttttttStTTttttttttttttStTTttttt",
    "sssssssStTsssssssssssssStTssssss",
    "sssssssStssSsssssssssssStsssssts",
    "sssssssStssssssssssssssStsssssss",
    "sssssssStsssssssssstsssStsssssss",
    "sssssssStsssssssssssssSStsssssss",
    "ssssssSStsssssssssssssSStsssssss",
    "SSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSS",
};

// Open water with scattered wave crests; the second frame is the same water
// moved a few pixels, so the swell rolls gently.
const char *const SEA[ART_CELL] = {
    "22222222222222222222222222222222",
    "22222222222232222222222222222222",
    "22224442222222222222222222222222",
    "22233333222222222222222222222222",
    "22122222122222222222222222222222",
    "22222222222222222222444222222222",
    "22222222222222222223333322222222",
    "22222222222222222212222212222222",
    "22222222222222222222222222222222",
    "22222223222222222222222224422222",
    "22222222222222222222222233322222",
    "22222222222222222222222222222222",
    "22222222222222222222222222222232",
    "22222222224422222222222222222222",
    "22222222233322222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222222222222222244422",
    "22222222222222222222222222333332",
    "22222222222223222222222221222221",
    "22222222222222222222222222222222",
    "22222222222222222223222222222222",
    "22222222222222222222222222222222",
    "22222244422222222222222222222222",
    "22222333332222222222222222222222",
    "22221222221222222222222222222222",
    "22222222222222222222222222222222",
    "22222222222222224422222222222222",
    "22222222222222233322222222222222",
    "22222222222222222222222222224422",
    "22222222222222222222222222233322",
    "23222222222222222222222222222222",
    "22222222222222222222222222222222",
};

// Planks lashed between two ropes along the edges; the sea shows between
// the planks. Side by side the planks run on and the ropes meet as lashings.
const char *const BRIDGE[ART_CELL] = {
    "yYhhhhhhhhhhhhhhhhhhhhhhhhhhhhyY",
    "yYllllllmmmmmllllllmmmmlllllllyY",
    "YyYllldlllllmmmmmmllllllldlllYYy",
    "YyYllllmmmllllllllllllmmmmlllYYy",
    "yYYllldllllllllmmmmmllllldlllYyY",
    "yYmmmmmmmmmmmmmmmmmmmmmmmmmmmmyY",
    "YyddddddddddddddddddddddddddddYy",
    "Yy............................Yy",
    "yYhhhhhhhhhhhhhhhhhhhhhhhhhhhhyY",
    "yYlllllllllmmmmmllllllmmmmllllyY",
    "YyYllldllllllllmmmmmmlllldlllYYy",
    "YyYlllllllmmmllllllllllllmmmmYYy",
    "yYYllldlllllllllllmmmmmlldlllYyY",
    "yYmmmmmmmmmmmmmmmmmmmmmmmmmmmmyY",
    "YyddddddddddddddddddddddddddddYy",
    "Yy............................Yy",
    "yYhhhhhhhhhhhhhhhhhhhhhhhhhhhhyY",
    "yYllllllllllllmmmmmllllllmmmmlyY",
    "YyYllldlllllllllllmmmmmmldlllYYy",
    "YyYllllllllllmmmllllllllllllmYYy",
    "yYYllldllllllllllllllmmmmdlllYyY",
    "yYmmmmmmmmmmmmmmmmmmmmmmmmmmmmyY",
    "YyddddddddddddddddddddddddddddYy",
    "Yy............................Yy",
    "yYhhhhhhhhhhhhhhhhhhhhhhhhhhhhyY",
    "yYlllllllllllllllmmmmmllllllmlyY",
    "YyYllldllllllllllllllmmmmdmllYYy",
    "YyYlllllllllllllmmmllllllllllYYy",
    "yYYllldlllllllllllllllllmdmmmYyY",
    "yYmmmmmmmmmmmmmmmmmmmmmmmmmmmmyY",
    "YyddddddddddddddddddddddddddddYy",
    "Yy............................Yy",
};

// Down: an open hatch in the deck, a ladder vanishing into the dark hold.
// Painted over the deck planks.
const char *const HATCH[ART_CELL] = {
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "      KKKKKKKKKKKKKKKKKKKK      ",
    "      KhhiihhhhhhhhhhiihhK      ",
    "      KhmmmmmmmmmmmmmmmmdK      ",
    "      KhmKKKKKKKKKKKKKKmdK      ",
    "      KhmKKKhKKKKKKhKKKmdK      ",
    "      KhmKKKhhhhhhhhKKKmdK      ",
    "      KhmKKKhKKKKKKhKKKmdK      ",
    "      KhmKKKlKKKKKKlKKKmdK      ",
    "      KhmKKKllllllllKKKmdK      ",
    "      KhmKKKlKKKKKKlKKKmdK      ",
    "      KhmKKKmKKKKKKmKKKmdK      ",
    "      KhmKKKmmmmmmmmKKKmdK      ",
    "      KhmKKKmKKKKKKmKKKmdK      ",
    "      KhmKKKdKKKKKKdKKKmdK      ",
    "      KhmKKKddddddddKKKmdK      ",
    "      KhmKKKdKKKKKKdKKKmdK      ",
    "      KhmKKKSKKKKKKSKKKmdK      ",
    "      KhmKKKSSSSSSSSKKKmdK      ",
    "      KhmKKKSKKKKKKSKKKmdK      ",
    "      KhmKKKSKKKKKKSKKKmdK      ",
    "      KhmKKKKKKKKKKKKKKmdK      ",
    "      KhmmmmmmmmmmmmmmmmdK      ",
    "      KhdddddddddddddddddK      ",
    "      KKKKKKKKKKKKKKKKKKKK      ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
};

// Up: a ladder climbing to a square of daylight with a gold arrow.
// Painted over the deck planks.
const char *const LADDER[ART_CELL] = {
    "       KKKKKKKKKKKKKKKKKK       ",
    "       KpPPPPPPgPPPPPPPqK       ",
    "       KphmPPPgggPPPPhmqK       ",
    "       KphmPPgggggPPPhmqK       ",
    "       KphmPPPPgPPPPPhmqK       ",
    "       KqhmqqqqGqqqqqhmqK       ",
    "       KKhmKKKKKKKKKKhmKK       ",
    "        KhmK        KhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmKhhhhhhhhKhmK        ",
    "        KhmKmmmmmmmmKhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmK        KhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmKhhhhhhhhKhmK        ",
    "        KhmKmmmmmmmmKhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmK        KhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmKhhhhhhhhKhmK        ",
    "        KhmKmmmmmmmmKhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmK        KhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmKhhhhhhhhKhmK        ",
    "        KhmKmmmmmmmmKhmK        ",
    "        KhmKKKKKKKKKKhmK        ",
    "        KhmK        KhmK        ",
    "        KhmK        KhmK        ",
    "        KhmK        KhmK        ",
    "        dddddddddddddddd        ",
    "                                ",
};

// Decorations that tell the wall variants apart, each kept inside one block
// so the edges stay the same for every variant.
const char *const MOSS[] = {
    " VV     ",
    "vVvV  V ",
    "vvvvVvvV",
    " v vvv v",
    "   v  v ",
};
const char *const CRACK[] = {
    "   S  ",
    "   S  ",
    "  SS  ",
    "  S   ",
    " S S  ",
    "S   S ",
};
const char *const BARNACLES[] = {
    " bB    ",
    "bWbB   ",
    " bB bB ",
    "   bWbB",
    "    bB ",
};
const char *const TORCH[] = {
    "   gg   ",
    "  gRRg  ",
    " gRWWRg ",
    " gRWWRg ",
    "  gRRg  ",
    "  KmmK  ",
    "  KiiK  ",
    "  KmmK  ",
    " KiiiiK ",
    "  KKKK  ",
};
// clang-format on

struct Decoration {
    ArtPart art;
    int x, y;  // inside the cell
};

// Which decorations each wall variant wears (variant 0 is plain stone).
// clang-format off
const Decoration WALL_DECORATIONS[][2] = {
    /* 0 plain    */ {{{}, 0, 0},                  {{}, 0, 0}},
    /* 1 mossy    */ {{part(MOSS), 3, 2},          {part(MOSS), 18, 18}},
    /* 2 cracked  */ {{part(CRACK), 19, 1},        {part(CRACK), 4, 17}},
    /* 3 barnacle */ {{part(BARNACLES), 2, 9},     {part(BARNACLES), 20, 25}},
    /* 4 torch    */ {{part(TORCH), 12, 9},        {part(MOSS), 20, 25}},
};
// clang-format on

// Copies a cell's picture shifted right by dx and down by dy, wrapping
// around the edges, so a tiling pattern stays seamless.
void paintShifted(BITMAP *sheet, int column, int row, const char *const *rows, int dx, int dy)
{
    for (int y = 0; y < ART_CELL; ++y) {
        const char *src = rows[(y - dy + ART_CELL) % ART_CELL];
        char line[ART_CELL + 1];
        for (int x = 0; x < ART_CELL; ++x) line[x] = src[(x - dx + ART_CELL) % ART_CELL];
        line[ART_CELL] = '\0';
        const char *one[] = {line};
        paintArt(sheet, cellX(column), cellY(row) + y, one, ART_CELL, 1);
    }
}

}  // namespace

void paintLevelTiles(BITMAP *sheet)
{
    paintArt(sheet, cellX(4), cellY(0), FLOOR);
    paintArt(sheet, cellX(4), cellY(0), HATCH);
    paintArt(sheet, cellX(4), cellY(1), FLOOR);
    paintArt(sheet, cellX(4), cellY(1), LADDER);
    paintArt(sheet, cellX(4), cellY(2), FLOOR);
    paintArt(sheet, cellX(4), cellY(3), SEA);
    paintShifted(sheet, 4, 4, SEA, 3, 1);
    for (int variant = 0; variant < 5; ++variant) {
        paintArt(sheet, cellX(4), cellY(5 + variant), WALL);
        for (const Decoration &d : WALL_DECORATIONS[variant])
            paintArt(sheet, cellX(4) + d.x, cellY(5 + variant) + d.y, d.art);
    }
    paintArt(sheet, cellX(5), cellY(6), BRIDGE);
}
