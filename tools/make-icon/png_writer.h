// A minimal PNG writer for the game's icons: 8-bit RGBA, no filtering, the
// image data compressed with deflate's fixed code and copies of the pixel
// before and the row above, which is what an icon enlarged by whole factors
// is made of. The program needs no compression library.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgba` holds width * height pixels, four bytes each, row by row.
std::vector<std::uint8_t> encodePng(int width, int height, const std::vector<std::uint8_t> &rgba);

// Writes `bytes` to `path`; false when it cannot.
bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes);
