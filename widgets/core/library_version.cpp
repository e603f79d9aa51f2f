// The version of the library a program runs with, which the dynamic linker
// may have given a newer minor release than the headers it was built with.
#include "widgets/theme.h"

const char *sloopgui_version(void)
{
    return SLOOPGUI_VERSION_STRING;
}

int sloopgui_version_number(void)
{
    return SLOOPGUI_VERSION_NUMBER;
}
