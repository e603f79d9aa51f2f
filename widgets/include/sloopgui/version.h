/** @file
 * The library's version, for programs that need to tell releases apart at
 * compile time. The shared library's SONAME carries the major number. */
#ifndef SLOOPGUI_VERSION_H
#define SLOOPGUI_VERSION_H

/** The major version: the SONAME's number; it changes when the interface
 * loses or changes anything. */
#define SLOOPGUI_VERSION_MAJOR 1
/** The minor version: raised when the interface gains something. */
#define SLOOPGUI_VERSION_MINOR 2
/** The patch version: raised for fixes that leave the interface alone. */
#define SLOOPGUI_VERSION_PATCH 0
/** The three numbers as "MAJOR.MINOR.PATCH". */
#define SLOOPGUI_VERSION_STRING "1.2.0"
/** A version as one number, (major << 16) | (minor << 8) | patch, as
 * sloopgui_version_number() answers. */
#define SLOOPGUI_MAKE_VERSION(major, minor, patch) (((major) << 16) | ((minor) << 8) | (patch))
/** The version built against, as one number. */
#define SLOOPGUI_VERSION_NUMBER                                                                                        \
  SLOOPGUI_MAKE_VERSION(SLOOPGUI_VERSION_MAJOR, SLOOPGUI_VERSION_MINOR, SLOOPGUI_VERSION_PATCH)

#endif
