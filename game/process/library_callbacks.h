// The two callbacks Allegro calls from its own threads. Each writes one
// volatile flag or counter of the game state and nothing else.
#pragma once

extern volatile int TickCounter;               // +1 at every timer tick, 15 a second
extern volatile unsigned char CloseRequested;  // 1 once the close button was pressed

// Timer thread, 15 times a second: TickCounter += 1.
void onTimerTick();

// Window-event thread, when the close button is pressed: CloseRequested = 1.
void onCloseButton();
