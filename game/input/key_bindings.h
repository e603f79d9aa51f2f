// Which keys play: the key set the player chose (the arrows, the arrows
// with WASD, or keys of their own) and short taps, an arrow pressed and
// released between two play steps, which then still moves the pirate at the
// next step as if it had been held. The recording keeps the arrows the step
// took, so a game replays the same whatever keys played it.
#pragma once

#include <string>

#include "settings/settings.h"

// Binds the keys of `settings` (its key set and custom keys) and turns short
// taps on or off.
void applyKeySettings(const Settings &settings);

// Whether a control is down for this step: one of its keys held, or for a
// walking control, pressed since the last step when short taps count.
bool controlDown(Control control);

// Forgets the presses seen since the last step: called once a step has read
// its controls, and when play begins, so a key that left the title screen
// does not walk.
void forgetTaps();

// Allegro's low-level keyboard callback: notes every press (scancode
// without its release bit). Runs in the library's input thread.
void noteKeyEvent(int scancode);

// The names of a control's keys as the help page shows them: "UP or W".
std::string controlKeyNames(Control control);

// The control that `scancode` is bound to, or CONTROL_COUNT for none.
Control controlOfKey(int scancode);
