# The installable library: shared and static builds of the same objects, the
# public headers, a pkg-config module and a CMake package, split into the
# `runtime` component (the shared library) and `dev` (everything a program
# needs to build against it).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The version lives in one header programs can read; the project's must agree.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/include/sloopgui/version.h SLOOPGUI_VERSION_LINE
     REGEX "#define SLOOPGUI_VERSION_STRING")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" SLOOPGUI_VERSION "${SLOOPGUI_VERSION_LINE}")
if(PROJECT_VERSION AND NOT SLOOPGUI_VERSION VERSION_EQUAL PROJECT_VERSION)
  message(FATAL_ERROR "sloopgui/version.h says ${SLOOPGUI_VERSION}, the project ${PROJECT_VERSION}")
endif()
string(REGEX MATCH "^[0-9]+" SLOOPGUI_SOVERSION "${SLOOPGUI_VERSION}")
set(SLOOPGUI_VERSION ${SLOOPGUI_VERSION} PARENT_SCOPE)
set(SLOOPGUI_SOVERSION ${SLOOPGUI_SOVERSION} PARENT_SCOPE)

set(SLOOPGUI_PUBLIC_HEADERS
  include/sloopgui/export.h
  include/sloopgui/theme.h
  include/sloopgui/version.h
)
set(SLOOPGUI_PUBLIC_HEADERS ${SLOOPGUI_PUBLIC_HEADERS} PARENT_SCOPE)

add_library(sloopgui SHARED $<TARGET_OBJECTS:sloopgui_objects>)

# The static archive holds one object, the library's objects linked
# together, in which everything but the public interface (hidden, as in the
# shared library) is made local: a program with a global of the same name as
# one of the library's helpers or tables then links as it would against the
# shared library, and only a clash with a public name is reported.
# Windows objects know no hidden visibility: there the public names are
# kept global by the list itself.
set(SLOOPGUI_PRELINKED ${CMAKE_CURRENT_BINARY_DIR}/sloopgui_prelinked.o)
if(WIN32)
  set(SLOOPGUI_LOCALIZE --keep-global-symbols=${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols)
else()
  set(SLOOPGUI_LOCALIZE --localize-hidden)
endif()
add_custom_command(OUTPUT ${SLOOPGUI_PRELINKED}
  COMMAND ${CMAKE_LINKER} -r -o ${SLOOPGUI_PRELINKED}.all "$<TARGET_OBJECTS:sloopgui_objects>"
  COMMAND ${CMAKE_OBJCOPY} ${SLOOPGUI_LOCALIZE} ${SLOOPGUI_PRELINKED}.all ${SLOOPGUI_PRELINKED}
  COMMAND ${CMAKE_COMMAND} -E remove ${SLOOPGUI_PRELINKED}.all
  DEPENDS sloopgui_objects "$<TARGET_OBJECTS:sloopgui_objects>" ${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols
  COMMAND_EXPAND_LISTS VERBATIM)
set_source_files_properties(${SLOOPGUI_PRELINKED} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
add_library(sloopgui_static STATIC ${SLOOPGUI_PRELINKED})
set_target_properties(sloopgui_static PROPERTIES LINKER_LANGUAGE CXX)
set_target_properties(sloopgui PROPERTIES
  VERSION ${SLOOPGUI_VERSION}
  SOVERSION ${SLOOPGUI_SOVERSION}
  EXPORT_NAME sloopgui)
# With GNU ld: refuse undefined symbols at link time (a program must not be
# the first to find them), and bind everything at load (full RELRO).
# The dynamic table holds exactly the listed interface: a version script
# made from widgets/sloopgui.symbols also keeps out the standard library's
# template code the compiler copies into the library as weak globals.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols sloopgui_public)
  list(JOIN sloopgui_public ";\n    " sloopgui_public)
  set(SLOOPGUI_VERSION_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/sloopgui.map)
  file(CONFIGURE OUTPUT ${SLOOPGUI_VERSION_SCRIPT}
       CONTENT "{\n  global:\n    ${sloopgui_public};\n  local: *;\n};\n")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols)
  target_link_options(sloopgui PRIVATE -Wl,--no-undefined -Wl,-z,relro,-z,now
                      -Wl,--version-script=${SLOOPGUI_VERSION_SCRIPT})
  set_property(TARGET sloopgui APPEND PROPERTY LINK_DEPENDS ${SLOOPGUI_VERSION_SCRIPT})
endif()
if(WIN32)
  include(${PROJECT_SOURCE_DIR}/windows/sloopgui_dll.cmake)
endif()
set_target_properties(sloopgui_static PROPERTIES
  OUTPUT_NAME sloopgui
  EXPORT_NAME sloopgui_static)
foreach(lib sloopgui sloopgui_static)
  target_include_directories(${lib} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  # Installed, Allegro is found under a prefix of the library's own, so a
  # program's ALLEGRO_* variables (and its PkgConfig::ALLEGRO) are its own.
  target_link_libraries(${lib} PUBLIC $<BUILD_INTERFACE:PkgConfig::ALLEGRO>
                                      $<INSTALL_INTERFACE:PkgConfig::sloopgui_allegro>)
endforeach()
add_library(sloopgui::sloopgui ALIAS sloopgui)
add_library(sloopgui::sloopgui_static ALIAS sloopgui_static)

install(TARGETS sloopgui sloopgui_static EXPORT sloopguiTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
install(FILES ${SLOOPGUI_PUBLIC_HEADERS}
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/sloopgui COMPONENT dev)

set(SLOOPGUI_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/sloopgui)
install(EXPORT sloopguiTargets NAMESPACE sloopgui::
  DESTINATION ${SLOOPGUI_CMAKE_DIR} COMPONENT dev)
configure_package_config_file(install/sloopguiConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/sloopguiConfig.cmake
  INSTALL_DESTINATION ${SLOOPGUI_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/sloopguiConfigVersion.cmake
  VERSION ${SLOOPGUI_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/sloopguiConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/sloopguiConfigVersion.cmake
  DESTINATION ${SLOOPGUI_CMAKE_DIR} COMPONENT dev)

# The .pc files name the prefix the library is installed under, which is
# known only when it is installed (`cmake --install --prefix`, or /usr when
# CPack makes the packages), so they are written then: pkg-config then sees
# the system's own directories and leaves out their -L and -I.
# Two modules: `sloopgui` links the shared library and `sloopgui-static`
# the archive (pkg-config --static only adds private dependencies, it cannot
# swap the -l for the archive).
set(SLOOPGUI_PC_PREFIX "@SLOOPGUI_INSTALL_PREFIX@")
foreach(module sloopgui sloopgui-static)
  set(pc_template ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${module}.pc.in)
  set(pc_file ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/${module}.pc)
  configure_file(install/${module}.pc.in ${pc_template} @ONLY)
  install(CODE "set(SLOOPGUI_INSTALL_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
    configure_file(\"${pc_template}\" \"${pc_file}\" @ONLY)" COMPONENT dev)
  install(FILES ${pc_file} DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT dev)
endforeach()

# What a programmer new to the library reads: the README (its links lead to
# files installed beside it), the custom-look example's source, the
# gallery's pictures, the reference of the public headers (HTML and manual
# pages, built by Doxygen when it is installed) and the sloopgui(3) overview.
set(SLOOPGUI_DEV_DOC ${CMAKE_INSTALL_DATADIR}/doc/libsloopgui-dev)
install(FILES README.md DESTINATION ${SLOOPGUI_DEV_DOC} COMPONENT dev)
install(FILES ${PROJECT_SOURCE_DIR}/examples/custom-look/jolly_roger.cpp
              ${PROJECT_SOURCE_DIR}/examples/custom-look/jolly_roger.h
  DESTINATION ${SLOOPGUI_DEV_DOC}/examples/custom-look COMPONENT dev)
# The gallery's pictures, where the README's links find them beside it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/theme-gallery/screenshots
  DESTINATION ${SLOOPGUI_DEV_DOC}/examples/theme-gallery COMPONENT dev FILES_MATCHING PATTERN "*.png")
# The looks shipped as look files, for load_theme.
install(FILES data/high-contrast.look DESTINATION ${CMAKE_INSTALL_DATADIR}/sloopgui/looks COMPONENT dev)
find_program(DOXYGEN_EXECUTABLE doxygen)
set(SLOOPGUI_REFERENCE_DIR ${CMAKE_CURRENT_BINARY_DIR}/reference)
set(SLOOPGUI_REFERENCE_DIR ${SLOOPGUI_REFERENCE_DIR} PARENT_SCOPE)
if(DOXYGEN_EXECUTABLE)
  set(SLOOPGUI_HEADER_DIR ${CMAKE_CURRENT_SOURCE_DIR}/include/sloopgui)
  configure_file(doc/Doxyfile.in ${CMAKE_CURRENT_BINARY_DIR}/Doxyfile @ONLY)
  add_custom_command(OUTPUT ${SLOOPGUI_REFERENCE_DIR}/html/index.html
    COMMAND ${CMAKE_COMMAND} -DDOXYGEN=${DOXYGEN_EXECUTABLE} -DDOXYFILE=${CMAKE_CURRENT_BINARY_DIR}/Doxyfile
            -DOVERVIEW=${CMAKE_CURRENT_SOURCE_DIR}/doc/sloopgui.3 -DOUT=${SLOOPGUI_REFERENCE_DIR}
            -DSYMBOLS=${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols
            -P ${CMAKE_CURRENT_SOURCE_DIR}/doc/build_reference.cmake
    DEPENDS ${SLOOPGUI_PUBLIC_HEADERS} doc/mainpage.dox doc/sloopgui.3 doc/build_reference.cmake sloopgui.symbols
            ${CMAKE_CURRENT_BINARY_DIR}/Doxyfile
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    VERBATIM)
  add_custom_target(sloopgui_reference ALL DEPENDS ${SLOOPGUI_REFERENCE_DIR}/html/index.html)
  install(DIRECTORY ${SLOOPGUI_REFERENCE_DIR}/html DESTINATION ${SLOOPGUI_DEV_DOC} COMPONENT dev)
  install(DIRECTORY ${SLOOPGUI_REFERENCE_DIR}/man3 DESTINATION ${CMAKE_INSTALL_MANDIR} COMPONENT dev)
else()
  message(STATUS "doxygen not found: the sloopgui reference is not built")
endif()

# Debian wants a copyright file and a compressed changelog in each package's
# documentation directory.
set(SLOOPGUI_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(SLOOPGUI_CHANGELOG_GZ ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${SLOOPGUI_CHANGELOG_GZ}
  COMMAND gzip -9nc ${CMAKE_CURRENT_SOURCE_DIR}/install/changelog > ${SLOOPGUI_CHANGELOG_GZ}
  DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/install/changelog
  VERBATIM)
add_custom_target(sloopgui_changelog ALL DEPENDS ${SLOOPGUI_CHANGELOG_GZ})
foreach(pair "runtime;libsloopgui${SLOOPGUI_SOVERSION}" "dev;libsloopgui-dev")
  list(GET pair 0 component)
  list(GET pair 1 package)
  install(FILES ${SLOOPGUI_LICENSE} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
    RENAME copyright COMPONENT ${component})
  install(FILES ${SLOOPGUI_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package}
    COMPONENT ${component})
endforeach()
