// The walking/sparkling animation shared by the player, monsters and
// bottles: a frame is held for a fixed number of draws (the first one for
// five, every later one for four), counted in draws, not in play steps.
#pragma once

// Call after drawing `frame`; advances it through 0..frameCount-1.
inline void advanceActorAnimation(int &frame, int frameCount, int &frameDelay)
{
    if (frameDelay == 4) {
        frame = (frame + 1 < frameCount) ? frame + 1 : 0;
        frameDelay = 0;
    }
    frameDelay += 1;
}
