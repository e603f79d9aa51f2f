// The exported variables are mirrors for programs to read; the library keeps
// its own state elsewhere (look_in_force). A program built as PIE reads a
// copy of each that the dynamic linker made in the program (a copy
// relocation), so the mirror has to be written through the exported name.
// A program that defines a global of the same name of its own takes that
// name over in the shared library; writing a Theme pointer into, say, its
// own `int current_theme` would overrun it. So a mirror is written only where
// the name still denotes the library's cell or a copy of it: a data object of
// the mirror's own size.
#include "widgets/core/published_state.h"

#include <cstddef>
#include <cstring>

#if defined(__GLIBC__)
#  include <dlfcn.h>
#  include <link.h>
#endif

Theme *current_theme = nullptr;
int theme_fg_color = 0;
int theme_bg_color = 0;
int theme_mg_color = 0;

namespace {

bool mirror_is_ours(const void *cell, const char *name, std::size_t size)
{
#if defined(__GLIBC__)
    Dl_info info;
    const ElfW(Sym) *symbol = nullptr;
    // No dynamic symbol of that name at the cell: the library's own cell in
    // a program that links it statically, where a clash would not link.
    if (!dladdr1(cell, &info, reinterpret_cast<void **>(const_cast<ElfW(Sym) **>(&symbol)), RTLD_DL_SYMENT) || !symbol)
        return true;
    if (info.dli_saddr != cell || !info.dli_sname || std::strcmp(info.dli_sname, name) != 0) return true;
    return ELF64_ST_TYPE(symbol->st_info) == STT_OBJECT && symbol->st_size == size;
#else
    (void)cell;
    (void)name;
    (void)size;
    return true;
#endif
}

template <typename T> void write_mirror(T *cell, const char *name, T value)
{
    // NOLINTNEXTLINE(bugprone-sizeof-expression): the variable's own size, a pointer for current_theme
    if (mirror_is_ours(cell, name, sizeof(T))) *cell = value;
}

}  // namespace

void publish_current_theme(Theme *theme)
{
    write_mirror(&current_theme, "current_theme", theme);
}

void publish_theme_colours(int fg, int bg, int mg)
{
    write_mirror(&theme_fg_color, "theme_fg_color", fg);
    write_mirror(&theme_bg_color, "theme_bg_color", bg);
    write_mirror(&theme_mg_color, "theme_mg_color", mg);
}
