// Letting go of what start-up and the games made, once the first game's
// play loop has ended. Allegro itself shuts down through its exit handler.
#pragma once

void shutDown();
