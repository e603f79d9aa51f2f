// The registry's and the lifecycle's result codes in words.
#include "widgets/theme.h"

namespace {

struct CodeText {
    int code;
    const char *text;
};

// clang-format off
const CodeText code_texts[] = {
    {THEME_OK,               "done"},
    {THEME_ERR_NULL,         "the theme pointer is null"},
    {THEME_ERR_NAME,         "the look's name is null or empty"},
    {THEME_ERR_DUPLICATE,    "a registered look has that name already"},
    {THEME_ERR_FULL,         "no room left in the registry"},
    {THEME_ERR_MISSING_SLOT, "a required slot of the look is null"},
    {THEME_ERR_NOT_FOUND,    "no registered look of that name"},
    {THEME_ERR_BUILTIN,      "built-in looks cannot be taken out"},
    {THEME_ERR_CURRENT,      "the look is in force"},
    {THEME_ERR_NO_SCREEN,    "no graphics mode set yet"},
};
// clang-format on

}  // namespace

const char *theme_error_text(int code)
{
    for (const CodeText &known : code_texts)
        if (known.code == code) return known.text;
    return "unknown error code";
}
