#include "key_wait.h"

#include <allegro.h>

void waitForKeyPress()
{
    while (!keypressed())
        rest(1);
}

void (*KeyWaitSource)() = waitForKeyPress;
