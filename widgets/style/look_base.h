// A look's base: the look it falls back on for every empty slot, colour
// cell, init and shutdown. The look in force is drawn through a resolved
// copy, its record with each empty member taken from the first look along
// its bases that has one.
#ifndef WIDGETS_STYLE_LOOK_BASE_H
#define WIDGETS_STYLE_LOOK_BASE_H

#include "widgets/theme.h"

// The look in force with its empty members filled from its bases; all null
// while no look is in force.
extern Theme look_resolved;

// `look` with its empty members filled from its bases.
Theme resolve_look(const Theme *look);

// Sets look_resolved from look_in_force (or clears it).
void resolve_look_in_force(void);

#endif
