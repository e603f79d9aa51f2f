#include "figure.h"

void paintFigure(BITMAP *sheet, int column, int row, const FigurePose &pose, bool mirrored)
{
    const int x = cellX(column), y = cellY(row);
    paintArt(sheet, x, y + FIGURE_LEGS_TOP, pose.legs, mirrored != pose.otherFoot);
    paintArt(sheet, x, y + FIGURE_TORSO_TOP, pose.torso, mirrored);
    paintArt(sheet, x, y + FIGURE_HEAD_TOP, pose.head, mirrored);
    paintArt(sheet, x, y + FIGURE_TORSO_TOP, pose.overTorso, mirrored);
}

WalkCycle walkCycle(ArtPart head, ArtPart torso, ArtPart stepLegs, ArtPart standLegs, bool mirrorSecondStep,
                    ArtPart overTorso)
{
    WalkCycle w;
    w.frames[0] = {head, torso, stepLegs, false, overTorso};
    w.frames[1] = {head, torso, standLegs, false, overTorso};
    w.frames[2] = {head, torso, stepLegs, mirrorSecondStep, overTorso};
    w.frames[3] = {head, torso, standLegs, false, overTorso};
    return w;
}

void paintWalkRow(BITMAP *sheet, int row, const WalkCycle &walk, bool mirrored)
{
    for (int frame = 0; frame < 4; ++frame) paintFigure(sheet, frame, row, walk.frames[frame], mirrored);
}
