// Upright figures (the pirate, the skeleton) are put together from a head,
// a torso and a pair of legs, each a character-art table 32 pixels wide;
// a walk cycle swaps the legs. One routine paints them all.
#pragma once

#include <allegro.h>

#include "palette.h"

struct FigurePose {
    ArtPart head, torso, legs;
    bool otherFoot = false;  // legs mirrored: the other foot forward
    ArtPart overTorso;       // drawn last over the torso (an arm in front)
};

// Rows of the cell where each part starts.
constexpr int FIGURE_HEAD_TOP = 0;
constexpr int FIGURE_TORSO_TOP = 14;
constexpr int FIGURE_LEGS_TOP = 23;

// Paints one pose into sheet cell (column, row), mirrored left to right when
// asked (a figure facing left is one facing right, mirrored).
void paintFigure(BITMAP *sheet, int column, int row, const FigurePose &pose, bool mirrored);

// The four frames of a walk: step, stand, other step, stand.
struct WalkCycle {
    FigurePose frames[4];
};
WalkCycle walkCycle(ArtPart head, ArtPart torso, ArtPart stepLegs, ArtPart standLegs, bool mirrorSecondStep,
                    ArtPart overTorso = {});

void paintWalkRow(BITMAP *sheet, int row, const WalkCycle &walk, bool mirrored);
