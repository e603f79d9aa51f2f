// The registry's and the lifecycle's result codes in words.
#include "widgets/theme.h"

const char *theme_error_text(int code)
{
    switch (code) {
    case THEME_OK: return "done";
    case THEME_ERR_NULL: return "the theme pointer is null";
    case THEME_ERR_NAME: return "the look's name is null or empty";
    case THEME_ERR_DUPLICATE: return "a registered look has that name already";
    case THEME_ERR_FULL: return "no room left in the registry";
    case THEME_ERR_MISSING_SLOT: return "a required slot of the look is null";
    case THEME_ERR_NOT_FOUND: return "no registered look of that name";
    case THEME_ERR_BUILTIN: return "built-in looks cannot be taken out";
    case THEME_ERR_CURRENT: return "the look is in force";
    case THEME_ERR_NO_SCREEN: return "no graphics mode set yet";
    default: return "unknown error code";
    }
}
