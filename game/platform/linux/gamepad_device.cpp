#include "platform/gamepad_device.h"

#include <unistd.h>

bool gamepadMayBeAttached()
{
    // The nodes Allegro's Linux joystick driver opens.
    return access("/dev/input/js0", F_OK) == 0 || access("/dev/js0", F_OK) == 0;
}
