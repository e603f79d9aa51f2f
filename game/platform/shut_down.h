// Letting go of what start-up and the games made, once the first game's
// play loop has ended. Allegro itself shuts down through its exit handler.
#ifndef GAME_SHUT_DOWN_H
#define GAME_SHUT_DOWN_H

void shutDown();

#endif
