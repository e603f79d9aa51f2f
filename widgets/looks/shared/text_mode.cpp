#include "widgets/looks/shared/text_mode.h"

#include <allegro.h>

int theme_text_mode(int mode)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return text_mode(mode);
#pragma GCC diagnostic pop
}
