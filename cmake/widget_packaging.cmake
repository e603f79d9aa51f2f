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

This package contains the shared library.")
set(CPACK_COMPONENT_DEV_DISPLAY_NAME "sloopgui development files")
set(CPACK_COMPONENT_DEV_DESCRIPTION
  "Allegro 4 dialog widgets drawn in one of several looks - development files
sloopgui draws Allegro 4's standard dialog widgets (buttons, check boxes,
edit fields, lists, sliders, menus, windows) in one of seven looks, or in
a look the program registers, and switches looks while a dialog runs.

This package contains the headers, the static library, the pkg-config
module and the CMake package.")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libsloopgui${SLOOPGUI_SOVERSION})
set(CPACK_DEBIAN_RUNTIME_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
# A shlibs file (CPack writes it for every package holding a shared
# library; the game's holds none), a symbols file made from the checked-in
# list of exported symbols, and the ldconfig trigger in place of the
# ldconfig calls CPack would put into postinst and postrm (so those two are
# given, doing nothing), with the control files' permissions as dpkg wants.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(SLOOPGUI_DEB_CONTROL ${CMAKE_BINARY_DIR}/sloopgui-deb)
file(STRINGS ${CMAKE_SOURCE_DIR}/widgets/sloopgui.symbols SLOOPGUI_SYMBOLS)
set(symbols "libsloopgui.so.${SLOOPGUI_SOVERSION} libsloopgui${SLOOPGUI_SOVERSION} #MINVER#\n")
string(APPEND symbols "* Build-Depends-Package: libsloopgui-dev\n")
# The Theme record grew in 1.1.0 (room for later slots), so a program built
# against 1.1.0 needs at least that, whichever symbols it uses.
foreach(symbol IN LISTS SLOOPGUI_SYMBOLS)
  string(APPEND symbols " ${symbol}@Base 1.1.0\n")
endforeach()
file(WRITE ${SLOOPGUI_DEB_CONTROL}/symbols "${symbols}")
file(WRITE ${SLOOPGUI_DEB_CONTROL}/triggers "activate-noawait ldconfig\n")
file(WRITE ${SLOOPGUI_DEB_CONTROL}/postinst "#!/bin/sh\nset -e\nexit 0\n")
file(WRITE ${SLOOPGUI_DEB_CONTROL}/postrm "#!/bin/sh\nset -e\nexit 0\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA
  ${SLOOPGUI_DEB_CONTROL}/symbols ${SLOOPGUI_DEB_CONTROL}/triggers
  ${SLOOPGUI_DEB_CONTROL}/postinst ${SLOOPGUI_DEB_CONTROL}/postrm)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# Debian ships libraries stripped.
if(NOT DEFINED CPACK_STRIP_FILES)
  set(CPACK_STRIP_FILES ON)
endif()

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libsloopgui-dev)
set(CPACK_DEBIAN_DEV_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libsloopgui${SLOOPGUI_SOVERSION} (= ${SLOOPGUI_VERSION}), liballegro4-dev")
