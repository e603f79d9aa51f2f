#include "palette.h"
#include "sheet_art.h"
void paintSkeleton(BITMAP *) {}
