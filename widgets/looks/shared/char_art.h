// Small images kept in the program as character art: rows of characters,
// each character looked up in a colour key. Looks build their check marks,
// radio buttons, knobs and arrows this way at init, and the game's sprite
// sheet tool paints its cells with the same routine.
//
//   static const char *const ARROW[] = {   // one string per row
//       ".a  ",
//       "xX  ",
//   };
//   static const ArtKey KEY[] = {
//       {' ', ART_MASK, 0, 0},              // transparent when drawn as sprite
//       {'.', 255, 255, 255},
//       {'X',   0,   0,   0},
//   };
//   BITMAP *b = bitmap_from_art(ARROW, 4, 2, KEY);
//
// A character missing from the key leaves its pixel untouched (so art can be
// painted over an existing picture); a row that ends early (NUL) leaves the
// rest of its pixels untouched too, rather than reading past the string.
// Colours go through makecol, so call these after the colour depth is set.
#ifndef WIDGETS_LOOKS_SHARED_CHAR_ART_H
#define WIDGETS_LOOKS_SHARED_CHAR_ART_H

#include <allegro.h>

#include <cstddef>

// Put in ArtKey::r to paint the bitmap's mask (transparent) colour.
constexpr int ART_MASK = -1;

struct ArtKey {
    char ch;
    int r, g, b;  // makecol components, or r == ART_MASK
};

// Colour of `ch` for `bmp`; false when the key does not hold the character.
inline bool art_colour(BITMAP *bmp, char ch, const ArtKey *key, int key_count, int *colour)
{
    for (int k = 0; k < key_count; ++k) {
        if (key[k].ch != ch) continue;
        if (key[k].r == ART_MASK)
            *colour = bitmap_mask_color(bmp);
        else
            *colour = makecol_depth(bitmap_color_depth(bmp), key[k].r, key[k].g, key[k].b);
        return true;
    }
    return false;
}

// Paints one row of art, at most `width` characters, starting at (x, y).
inline void paint_art_row(BITMAP *bmp, int x, int y, const char *row, int width, const ArtKey *key, int key_count)
{
    for (int c = 0; c < width && row[c] != '\0'; ++c) {
        int colour;
        if (art_colour(bmp, row[c], key, key_count, &colour)) putpixel(bmp, x + c, y, colour);
    }
}

// Paints art whose row r, column c is cells[r * stride + c] at (x, y) of
// `bmp`. The block form serves tables stored as one run of fixed-size rows.
inline void paint_art_block(BITMAP *bmp, int x, int y, const char *cells, int stride, int width, int height,
                            const ArtKey *key, int key_count)
{
    if (!bmp || !cells) return;
    for (int r = 0; r < height; ++r)
        paint_art_row(bmp, x, y + r, cells + static_cast<std::ptrdiff_t>(r) * stride, width, key, key_count);
}

// Paints art given as one string per row at (x, y) of `bmp`.
inline void paint_art(BITMAP *bmp, int x, int y, const char *const *rows, int width, int height, const ArtKey *key,
                      int key_count)
{
    if (!bmp || !rows) return;
    for (int r = 0; r < height; ++r)
        if (rows[r]) paint_art_row(bmp, x, y + r, rows[r], width, key, key_count);
}

// A new width x height memory bitmap holding the art; pixels the art does
// not set stay the mask colour. Null when create_bitmap fails.
inline BITMAP *bitmap_from_art(const char *const *rows, int width, int height, const ArtKey *key, int key_count)
{
    BITMAP *bmp = create_bitmap(width, height);
    if (!bmp) return nullptr;
    clear_to_color(bmp, bitmap_mask_color(bmp));
    paint_art(bmp, 0, 0, rows, width, height, key, key_count);
    return bmp;
}

// Frees an image a look built at init and forgets it, so a second tear-down
// (or a set-up that rebuilds its images) never frees it twice.
inline void destroy_art_bitmap(BITMAP *&bmp)
{
    if (bmp) destroy_bitmap(bmp);
    bmp = nullptr;
}

template <std::size_t N>
inline BITMAP *bitmap_from_art(const char *const *rows, int width, int height, const ArtKey (&key)[N])
{
    return bitmap_from_art(rows, width, height, key, static_cast<int>(N));
}

template <std::size_t N>
inline void paint_art(BITMAP *bmp, int x, int y, const char *const *rows, int width, int height, const ArtKey (&key)[N])
{
    paint_art(bmp, x, y, rows, width, height, key, static_cast<int>(N));
}

template <std::size_t N>
inline void paint_art_block(BITMAP *bmp, int x, int y, const char *cells, int stride, int width, int height,
                            const ArtKey (&key)[N])
{
    paint_art_block(bmp, x, y, cells, stride, width, height, key, static_cast<int>(N));
}

#endif
