// Whether a gamepad may be plugged in, asked before Allegro's joystick
// driver is started: a driver that finds no pad has cost the start time
// for nothing.
#pragma once

// True where the platform sees a pad, or cannot tell; false only when it
// knows there is none.
bool gamepadMayBeAttached();
