#include "palette.h"
#include "sheet_art.h"
void paintCrab(BITMAP *) {}
