// The few POSIX calls the tests use to make scratch directories and set
// their environment, for test programs built for Windows (the game itself
// goes through game/platform/ instead). Force-included into every test
// program of a Windows build.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Replaces the trailing XXXXXX of `pattern` and makes that directory.
char *mkdtemp(char *pattern);
int setenv(const char *name, const char *value, int overwrite);
int unsetenv(const char *name);

#ifdef __cplusplus
}
#endif
