// The result codes of the registry, the lifecycle, the parameters and
// the look files, in words.
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
    {THEME_ERR_PARAM,        "the look has no parameter of that name"},
    {THEME_ERR_VALUE,        "the value is outside the parameter's range"},
    {THEME_ERR_BASE,         "that base would make the look its own base, or another look falls back on it"},
    {THEME_ERR_MEMORY,       "out of memory"},
    {THEME_ERR_FILE,         "the look file cannot be opened, read or written, or is too big"},
    {THEME_ERR_SYNTAX,       "a line that is not \"key = value\", \"[section]\" or a comment"},
    {THEME_ERR_VERSION,      "the look file does not start with \"version = 1\""},
    {THEME_ERR_KEY,          "a key or section this version does not know"},
    {THEME_ERR_IMAGE,        "an image that cannot be loaded, or margins it cannot take"},
    {THEME_ERR_PATH,         "an image outside the look file's directory"},
    {THEME_ERR_PROBLEMS,     "some lines were refused; the rest applied"},
};
// clang-format on

}  // namespace

const char *theme_error_text(int code)
{
    for (const CodeText &known : code_texts)
        if (known.code == code) return known.text;
    return "unknown error code";
}
