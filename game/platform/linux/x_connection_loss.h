// The game's answer to a lost X display (platform/display_loss.h) on a
// connection to the display of its own, as the desktop window keeps one.
#pragma once

void watchForLostConnection(struct _XDisplay *display);
