// A fingerprint of a level: its text in one fixed order, and a 64-bit
// FNV-1a hash of that text. Two levels with the same fingerprint have the
// same cells, wall images, bridges, bottles in the same order and the same
// player's cell; a bug report can quote one in place of a whole map.
#pragma once

#include <cstdint>
#include <string>

// The current level as text:
// - 2,500 characters, one per cell, columns 0..49 outer and rows 0..49
//   inner: ' ' plain, '0'..'4' a wall and its image, '.' floor, '=' bridge,
//   '<' stairs up, '>' stairs down, '?' anything else;
// - then "b X,Y;" for every bottle, in BottleList order;
// - then "p X,Y;" for the player's cell.
std::string levelText();

// 64-bit FNV-1a (offset basis 14695981039346656037, prime 1099511628211).
std::uint64_t fnv1a64(const std::string &bytes);

// The first level of a game run with --seed `seed`: seeds rand(), builds the
// level as a new game does and hashes levelText() followed by "r N;", N
// being the next number rand() gives, which shows whether the generator
// drew as many numbers as before. Releases every cell and actor of the
// world first, and leaves the new level current.
std::uint64_t seededLevelDigest(unsigned int seed);

// The digest as 16 lower-case hexadecimal digits.
std::string digestHex(std::uint64_t digest);
