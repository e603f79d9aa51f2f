// The two callbacks Allegro calls from its own threads. Each writes one
// volatile flag or counter of the game state and nothing else.
#ifndef GAME_LIBRARY_CALLBACKS_H
#define GAME_LIBRARY_CALLBACKS_H

// Timer thread, 15 times a second: TickCounter += 1.
void onTimerTick();

// Window-event thread, when the close button is pressed: CloseRequested = 1.
void onCloseButton();

#endif
