// The trapped pirate blinks through the trap rule's hold, so the player sees
// who was caught before the pirate is put back beside the stairs.
#pragma once

// Half of one blink: the pirate shown, or the cell beneath it.
constexpr int TRAP_BLINK_HALF_MS = 100;

// Over the frame already on the screen, for `holdMs` from now: the pirate
// as drawn for a half, then the cell beneath it for a half, and so on.
// Returns when the time is up; changes nothing but the pixels.
void blinkTrappedPlayer(int holdMs);
