/* The library's version, for programs that need to tell releases apart at
 * compile time. The shared library's SONAME carries the major number. */
#ifndef SLOOPGUI_VERSION_H
#define SLOOPGUI_VERSION_H

#define SLOOPGUI_VERSION_MAJOR 1
#define SLOOPGUI_VERSION_MINOR 1
#define SLOOPGUI_VERSION_PATCH 0
#define SLOOPGUI_VERSION_STRING "1.1.0"

#endif
