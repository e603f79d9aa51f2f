// The world's part of an unpaused play step, the same for the game, its
// tools and its tests.
#pragma once

struct ArrowKeys;

// The player's turn (its moves, then the stairs), spawning, every monster's
// step, the background animation. What happened waits in the world's event
// list (world/world_event.h).
void advanceWorld(const ArrowKeys &walk);
