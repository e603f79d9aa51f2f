#include "platform/library_callbacks.h"

#include "world/game_state.h"

void onTimerTick()
{
    TickCounter = TickCounter + 1;
}

void onCloseButton()
{
    CloseRequested = 1;
}
