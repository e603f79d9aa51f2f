/** @file
 * The mark of what the shared library exports.
 *
 * @def SLOOPGUI_API
 * Marks what the shared library exports. The library is built with hidden
 * visibility, so everything without this mark (the looks' own helpers)
 * stays inside it and cannot clash with a program's symbols. */
#ifndef SLOOPGUI_EXPORT_H
#define SLOOPGUI_EXPORT_H

#if defined(_WIN32) || defined(__CYGWIN__)
#  if defined(SLOOPGUI_BUILDING_SHARED)
#    define SLOOPGUI_API __declspec(dllexport)
#  elif defined(SLOOPGUI_SHARED)
#    define SLOOPGUI_API __declspec(dllimport)
#  else
#    define SLOOPGUI_API
#  endif
#elif defined(__GNUC__) || defined(__clang__)
#  define SLOOPGUI_API __attribute__((visibility("default")))
#else
#  define SLOOPGUI_API
#endif

#endif
