# Debian packages of the sloopgui widget library: libsloopgui1 (component
# `runtime`, the shared library) and libsloopgui-dev (component `dev`:
# headers, the .so link, the static archive, pkg-config and CMake files).
# Included by the packaging set-up before include(CPack).
set(CPACK_COMPONENT_RUNTIME_DISPLAY_NAME "sloopgui runtime library")
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "Allegro 4 dialog widgets drawn in one of several looks - runtime library
 sloopgui draws Allegro 4's standard dialog widgets (buttons, check boxes,
 edit fields, lists, sliders, menus, windows) in one of seven looks, or in
 a look the program registers, and switches looks while a dialog runs.
 .
 This package contains the shared library.")
set(CPACK_COMPONENT_DEV_DISPLAY_NAME "sloopgui development files")
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "Allegro 4 dialog widgets drawn in one of several looks - development files
 sloopgui draws Allegro 4's standard dialog widgets (buttons, check boxes,
 edit fields, lists, sliders, menus, windows) in one of seven looks, or in
 a look the program registers, and switches looks while a dialog runs.
 .
 This package contains the headers, the static library, the pkg-config
 module and the CMake package.")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libsloopgui${SLOOPGUI_SOVERSION})
set(CPACK_DEBIAN_RUNTIME_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
# A shlibs file and the ldconfig trigger, with the maintainer scripts'
# permissions exactly as dpkg wants them.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libsloopgui-dev)
set(CPACK_DEBIAN_DEV_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libsloopgui${SLOOPGUI_SOVERSION} (= ${SLOOPGUI_VERSION}), liballegro4-dev")
