// The Windows side of platform/display_loss.h: a Windows session ends with
// its own events (session_end.cpp), the display cannot go away under a
// running program.
#include "platform/display_loss.h"

void watchForLostDisplay() {}
