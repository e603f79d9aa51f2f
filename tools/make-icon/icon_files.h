// The two forms the icon leaves make-icon in: a PNG file for the desktop
// menu, written by Allegro's PNG add-on, and XPM data as C++ source, which
// the game links in and hands to Allegro as its window's icon.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes size x size RGBA pixels (four bytes each, row by row) to `path` as
// a PNG with an alpha channel; false when it cannot.
bool writeIconPng(const std::string &path, int size, const std::vector<std::uint8_t> &rgba);

// The same pixels as C++ source defining `const char *const NAME[]`, XPM
// data with two characters a pixel: fully transparent pixels are "None",
// every other one takes its colour and counts as opaque.
std::string iconXpmSource(const std::string &name, int size, const std::vector<std::uint8_t> &rgba);

// Writes `text` to `path`; false when it cannot.
bool writeTextFile(const std::string &path, const std::string &text);
