// The image files a look draws widget parts from: their headers checked
// before anything is loaded, then loaded as a part's nine-slice picture.
#ifndef WIDGETS_LOOKFILE_IMAGE_FILES_H
#define WIDGETS_LOOKFILE_IMAGE_FILES_H

#include "sloopgui/theme.h"

#include <string>

// Loads the image at `path` for `part` of `theme` (margins left, top,
// right, bottom and the frame count in `numbers`), naming it `name` when
// saved; THEME_OK or a code with the reason in `why`.
int load_part_image(Theme *theme, int part, const std::string &path, const std::string &name, const int numbers[5],
                    std::string &why);

// The part called `name` ("frame", "face", ..., as in look files), or -1.
int part_named(const char *name);

#endif
