#include "figure.h"

#include "palette.h"

namespace {

void paintPart(BITMAP *sheet, int x, int y, const FigurePart &p, bool mirrored)
{
    if (p.rows) paintArt(sheet, x, y, p.rows, ART_CELL, p.rowCount, mirrored);
}

}  // namespace

void paintFigure(BITMAP *sheet, int column, int row, const FigurePose &pose, bool mirrored)
{
    const int x = cellX(column), y = cellY(row);
    paintPart(sheet, x, y + FIGURE_LEGS_TOP, pose.legs, mirrored != pose.otherFoot);
    paintPart(sheet, x, y + FIGURE_TORSO_TOP, pose.torso, mirrored);
    paintPart(sheet, x, y + FIGURE_HEAD_TOP, pose.head, mirrored);
    paintPart(sheet, x, y + FIGURE_TORSO_TOP, pose.overTorso, mirrored);
}

WalkCycle walkCycle(FigurePart head, FigurePart torso, FigurePart stepLegs, FigurePart standLegs,
                    bool mirrorSecondStep, FigurePart overTorso)
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
