// The program's own globals, in a file of its own that never includes the
// library's header, as a program's unrelated module would define them.
int gtk_face = 101;
int KEY_NORMAL = 102;
int ThemeRegistry = 103;
int look_in_force = 104;
#ifdef CLASH_PUBLIC
int current_theme = 105;
#endif

bool program_globals_intact()
{
    bool intact = gtk_face == 101 && KEY_NORMAL == 102 && ThemeRegistry == 103 && look_in_force == 104;
#ifdef CLASH_PUBLIC
    intact = intact && current_theme == 105;
#endif
    return intact;
}
