# Debian packages made by `cpack -G DEB` in the build directory, one per
# install component. The game is component "game", package grog-sloop; it
# links the widget library statically, so it needs no library package.
# Settings shared by every package are set at package level; the widget
# library's own packages are described in widget_packaging.cmake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grog-sloop)
set(CPACK_PACKAGE_VENDOR "GROG SLOOP developers")
set(CPACK_PACKAGE_CONTACT "GROG SLOOP developers <grog-sloop@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships programs and libraries stripped of their debugging symbols.
set(CPACK_STRIP_FILES ON)
# Shared by every package's doc directory (copyright, changelog).
set(GROG_COPYRIGHT_FILE ${PROJECT_SOURCE_DIR}/data/copyright)
set(GROG_DEBIAN_CHANGELOG ${PROJECT_SOURCE_DIR}/data/changelog)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Files owned by root whatever user builds the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_COMPONENT_GAME_DISPLAY_NAME "GROG SLOOP")
set(CPACK_DEBIAN_GAME_PACKAGE_NAME grog-sloop)
set(CPACK_DEBIAN_GAME_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
# The music's instruments come from freepats through default.cfg.
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS freepats)
# The first line is the synopsis; CPack indents the rest for the control file.
set(CPACK_COMPONENT_GAME_DESCRIPTION
"pirate dungeon game in random levels
GROG SLOOP is a single-player, top-down dungeon game with a pirate theme.
Every level is made at random: rooms joined by bridges, with stairs up and
down. Bottles of grog are worth ten points each while monsters close in one
step at a time; a pirate who can step nowhere loses one of three lives.
.
Every level visited is kept, and each player keeps a table of the ten best
scores. The music is played by Allegro's software MIDI player with the
freepats instruments.")

include(${CMAKE_CURRENT_LIST_DIR}/widget_packaging.cmake OPTIONAL)

# Every install component becomes a package of its own. CPack makes a single
# package of the whole tree when only one component exists, so the list is
# named here: it then holds the game alone, or the game and the library's.
if(NOT DEFINED CPACK_COMPONENTS_ALL)
  get_cmake_property(CPACK_COMPONENTS_ALL COMPONENTS)
endif()
include(CPack)
