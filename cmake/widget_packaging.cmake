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
# list of exported symbols, each tagged with the version that brought it,
# and the ldconfig trigger. CPack would also write a postinst and a postrm
# calling ldconfig, which the trigger does already, unless the package names
# scripts of its own: it names two that do not exist, so CPack writes none
# and the package has no maintainer scripts (CPack warns of each missing
# file as it packs).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(SLOOPGUI_DEB_CONTROL ${CMAKE_BINARY_DIR}/sloopgui-deb)
file(STRINGS ${CMAKE_SOURCE_DIR}/widgets/sloopgui.symbols SLOOPGUI_SYMBOLS)
# The names each release added; every other exported name came with 1.0.0.
set(SLOOPGUI_SYMBOLS_1.1.0 rebuild_theme stop_theme use_theme use_theme_named)
set(SLOOPGUI_SYMBOLS_1.2.0 get_theme_cues set_theme_cues sloopgui_version sloopgui_version_number theme_error_text)
set(symbols "libsloopgui.so.${SLOOPGUI_SOVERSION} libsloopgui${SLOOPGUI_SOVERSION} #MINVER#\n")
string(APPEND symbols "* Build-Depends-Package: libsloopgui-dev\n")
foreach(symbol IN LISTS SLOOPGUI_SYMBOLS)
  set(since 1.0.0)
  foreach(release 1.1.0 1.2.0)
    if(symbol IN_LIST SLOOPGUI_SYMBOLS_${release})
      set(since ${release})
    endif()
  endforeach()
  string(APPEND symbols " ${symbol}@Base ${since}\n")
endforeach()
file(WRITE ${SLOOPGUI_DEB_CONTROL}/symbols "${symbols}")
file(WRITE ${SLOOPGUI_DEB_CONTROL}/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${SLOOPGUI_DEB_CONTROL}/symbols ${SLOOPGUI_DEB_CONTROL}/triggers
    ${SLOOPGUI_DEB_CONTROL}/none/postinst ${SLOOPGUI_DEB_CONTROL}/none/postrm)
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
