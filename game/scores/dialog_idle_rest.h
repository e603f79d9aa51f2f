// A dialog row that gives the processor away while the player thinks: the
// name dialog's engine loops without pause otherwise.
#pragma once

#include <allegro.h>

// How long an idle dialog sleeps between looks at the keyboard and mouse:
// well inside one 67 ms frame, so a key or click is still noticed at once.
constexpr int DIALOG_IDLE_REST_MS = 20;

// On MSG_IDLE, with no key waiting, sleeps DIALOG_IDLE_REST_MS; otherwise
// does nothing. Stands in for Allegro's d_yield_proc, which sleeps 1 ms and
// so wakes the dialog a thousand times a second.
int restWhileIdleProc(int msg, DIALOG *row, int c);
