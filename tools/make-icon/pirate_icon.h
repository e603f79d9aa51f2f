// The game's icon: the pirate standing, facing the player, cut from the
// sprite sheet and enlarged by the largest whole factor that fits, so every
// art pixel becomes a crisp square; the rest of the icon is transparent.
#pragma once

#include <cstdint>
#include <vector>

// size * size RGBA pixels. Needs Allegro started (SYSTEM_NONE is enough).
// Empty when the sprite sheet cannot be built.
std::vector<std::uint8_t> pirateIcon(int size);
