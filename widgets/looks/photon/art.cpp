// The "Photon" look's images: the two radio buttons and the sub-menu arrow,
// painted at init from grey-level tables kept in the program.
#include "widgets/looks/photon/look.h"

#include <cstring>

namespace {

enum { RADIO_SIZE = 14, ARROW_W = 6, ARROW_H = 8 };

// clang-format off
// An unselected radio button, 14 x 14 grey levels: a shaded ring on the face.
const unsigned char RADIO_OFF_GREYS[RADIO_SIZE * RADIO_SIZE] = {
    216, 216, 216, 216, 216, 216, 216, 216, 216, 216, 216, 216, 216, 216,
    216, 216, 216, 216, 180,  97,  67,  67,  97, 180, 216, 216, 216, 216,
    216, 216, 216, 127, 130, 197, 224, 222, 191, 120, 120, 199, 216, 216,
    216, 216, 127, 169, 224, 224, 224, 224, 224, 222, 153, 116, 205, 216,
    216, 180, 130, 224, 224, 224, 222, 222, 214, 214, 211, 110, 178, 216,
    216,  97, 200, 224, 224, 224, 222, 214, 211, 208, 205, 173,  77, 198,
    216,  66, 224, 224, 224, 214, 214, 211, 205, 202, 202, 178,  52, 198,
    216,  66, 222, 224, 214, 214, 208, 202, 197, 194, 195, 175,  52, 198,
    216,  94, 191, 222, 214, 208, 201, 196, 190, 188, 181, 142,  72, 198,
    216, 178, 121, 222, 212, 205, 196, 190, 181, 181, 174,  97, 178, 205,
    216, 201, 110, 153, 212, 202, 194, 188, 181, 173, 115,  85, 193, 216,
    216, 205, 193, 102, 110, 151, 178, 175, 142,  97,  85, 193, 205, 216,
    216, 216, 205, 201, 178,  72,  50,  50,  71, 178, 193, 205, 216, 216,
    216, 216, 216, 216, 205, 196, 196, 196, 196, 205, 205, 216, 216, 216,
};

// A selected radio button differs only in rows 3 to 10: the dark dot.
enum { RADIO_ON_FIRST_ROW = 3, RADIO_ON_ROWS = 8 };
const unsigned char RADIO_ON_MIDDLE_GREYS[RADIO_ON_ROWS * RADIO_SIZE] = {
    216, 216, 127, 169, 212, 189, 178, 181, 196, 214, 153, 116, 205, 216,
    216, 180, 130, 212, 174, 143, 113, 115, 153, 189, 206, 110, 178, 216,
    216,  97, 197, 190, 143,  88,  75,  78,  95, 162, 202, 173,  77, 198,
    216,  66, 224, 178, 112,  75,  72,  74,  82, 129, 206, 178,  52, 198,
    216,  66, 222, 179, 114,  77,  74,  76,  83, 131, 205, 175,  52, 198,
    216,  94, 191, 194, 152,  95,  81,  82, 100, 171, 196, 142,  72, 198,
    216, 178, 121, 211, 188, 160, 125, 130, 167, 196, 181,  97, 178, 205,
    216, 201, 110, 153, 208, 200, 200, 201, 195, 179, 115,  85, 193, 216,
};

// The sub-menu arrow, 6 wide and 8 high; 0 is transparent.
const unsigned char ARROW_GREYS[ARROW_W * ARROW_H] = {
     0,  0, 51,  0,  0,  0,
     0,  0, 51, 51,  0,  0,
    51, 51, 51, 51, 51,  0,
    51, 51, 51, 51, 51, 51,
    51, 51, 51, 51, 51, 51,
    51, 51, 51, 51, 51,  0,
     0,  0, 51, 51,  0,  0,
     0,  0, 51,  0,  0,  0,
};
// clang-format on

// Builds a bitmap from grey levels, one byte a pixel row after row; 0 is
// the mask colour, any other level v is makecol(v, v, v). Null on failure.
BITMAP *bitmap_from_greys(const unsigned char *table, int width, int height)
{
    BITMAP *bmp = create_bitmap(width, height);
    if (!bmp) return nullptr;
    const int mask = bitmap_mask_color(bmp);
    for (int r = 0; r < height; r++) {
        for (int c = 0; c < width; c++) {
            const int v = table[r * width + c];
            putpixel(bmp, c, r, v ? makecol(v, v, v) : mask);
        }
    }
    return bmp;
}

}  // namespace

BITMAP *photon_radio_off = nullptr;
BITMAP *photon_radio_on = nullptr;
BITMAP *photon_arrow = nullptr;

void photon_build_bitmaps(void)
{
    // A second init without a shutdown must not leak the first set.
    photon_destroy_bitmaps();

    unsigned char radio_on[RADIO_SIZE * RADIO_SIZE];
    std::memcpy(radio_on, RADIO_OFF_GREYS, sizeof radio_on);
    std::memcpy(radio_on + RADIO_ON_FIRST_ROW * RADIO_SIZE, RADIO_ON_MIDDLE_GREYS, sizeof RADIO_ON_MIDDLE_GREYS);

    photon_radio_off = bitmap_from_greys(RADIO_OFF_GREYS, RADIO_SIZE, RADIO_SIZE);
    photon_radio_on = bitmap_from_greys(radio_on, RADIO_SIZE, RADIO_SIZE);
    photon_arrow = bitmap_from_greys(ARROW_GREYS, ARROW_W, ARROW_H);
}

void photon_destroy_bitmaps(void)
{
    destroy_art_bitmap(photon_arrow);
    destroy_art_bitmap(photon_radio_off);
    destroy_art_bitmap(photon_radio_on);
}
