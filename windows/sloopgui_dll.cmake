# sloopgui.dll: the shared library on Windows. It exports exactly the names
# of widgets/sloopgui.symbols, through a module-definition file made from
# that list, so the list stays the one statement of the interface on both
# platforms. Its import library is libsloopgui.dll.a (what -lsloopgui finds
# first), the static archive libsloopgui.a.
set(SLOOPGUI_DEF ${CMAKE_CURRENT_BINARY_DIR}/sloopgui.def)
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols SLOOPGUI_EXPORTS)
list(JOIN SLOOPGUI_EXPORTS "\n  " SLOOPGUI_DEF_LINES)
file(CONFIGURE OUTPUT ${SLOOPGUI_DEF} CONTENT "LIBRARY sloopgui.dll\nEXPORTS\n  ${SLOOPGUI_DEF_LINES}\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sloopgui.symbols)
target_sources(sloopgui PRIVATE ${SLOOPGUI_DEF})
set_target_properties(sloopgui PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
# Only what the .def names is exported: the dllexport marks of the public
# header must not add (or, from Allegro's import library, re-export) more.
target_link_options(sloopgui PRIVATE -Wl,--exclude-all-symbols -Wl,--no-undefined)
# A program using the DLL reaches its data (the looks' records) through
# the import table.
target_compile_definitions(sloopgui INTERFACE SLOOPGUI_SHARED)
set(SLOOPGUI_PC_SHARED_CFLAGS " -DSLOOPGUI_SHARED")
# Beside the game in the build's root, where Wine finds it for every test.
set_target_properties(sloopgui PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
