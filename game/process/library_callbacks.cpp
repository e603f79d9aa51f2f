#include "process/library_callbacks.h"

volatile int TickCounter = 0;
volatile unsigned char CloseRequested = 0;

void onTimerTick()
{
    TickCounter = TickCounter + 1;
}

void onCloseButton()
{
    CloseRequested = 1;
}
