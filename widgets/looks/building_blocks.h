// What the built-in looks build with, in one header: the library as this
// tree sees it (widgets/theme.h: the public interface, the look in force and
// the built-in records), the parameters a look's init reads (look_value and
// the rows of its table), and the drawing the looks share (looks/shared/,
// and the clipping, dotted outline, cached colours and slider arithmetic the
// layer itself draws with too). A look's files include their own look.h,
// which includes this, and no other header of the library.
#ifndef WIDGETS_LOOKS_BUILDING_BLOCKS_H
#define WIDGETS_LOOKS_BUILDING_BLOCKS_H

#include "widgets/core/clip_within.h"
#include "widgets/core/dotted_rect.h"
#include "widgets/looks/shared/buttons.h"
#include "widgets/looks/shared/char_art.h"
#include "widgets/looks/shared/fields.h"
#include "widgets/looks/shared/frames.h"
#include "widgets/looks/shared/images.h"
#include "widgets/looks/shared/lists.h"
#include "widgets/looks/shared/menus.h"
#include "widgets/looks/shared/text.h"
#include "widgets/style/cached_colour.h"
#include "widgets/style/look_params.h"
#include "widgets/style/slider_thumb.h"
#include "widgets/theme.h"

#endif
