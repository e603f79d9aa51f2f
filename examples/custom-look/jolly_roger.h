// "JollyRoger": a look of a program's own, made from the built-in "GTK"
// look by replacing three slots: a black button with a bone-white rope edge
// (also used by push buttons) and a check box marked with a red cross.
// Everything else is drawn by "GTK".
#ifndef JOLLY_ROGER_H
#define JOLLY_ROGER_H

#include <sloopgui/theme.h>

// The look's record, filled on first use from a copy of "GTK".
Theme *jolly_roger_theme(void);

// Adds the look to the registry as "JollyRoger". Returns register_theme's
// answer (THEME_OK, or THEME_ERR_DUPLICATE when it is registered already).
int register_jolly_roger(void);

// The button's face and edge colours, as makecol gives them for the screen's
// colour depth; valid once the look has been made current.
int jolly_roger_button_face(void);
int jolly_roger_button_edge(void);

#endif
