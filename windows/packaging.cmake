# The Windows packages (cpack in build/windows, or scripts/windows-build.sh
# --packages):
#   grog-sloop-VERSION-win64.zip   the game, portable: the program, its
#                                  DLLs, its art and music, README and
#                                  licence; it runs from any folder and
#                                  writes nothing beside itself
#   grog-sloop-VERSION-win64.exe   the same as an installer (NSIS)
#   sloopgui-VERSION-win64-dev.zip the widget library for programmers
#                                  (cpack --config CPackSloopguiConfig.cmake)
# The game's data lies beside the program, where it looks first.
install(TARGETS grog-sloop RUNTIME DESTINATION . COMPONENT game)
install(FILES ${GROG_WINDOWS_DEPS}/bin/alleg44.dll ${GROG_WINDOWS_DEPS}/bin/libloadpng.dll
        DESTINATION . COMPONENT game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/Gfx ${CMAKE_BINARY_DIR}/Snd DESTINATION . COMPONENT game)
install(FILES ${CMAKE_BINARY_DIR}/default.cfg DESTINATION . COMPONENT game OPTIONAL)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION . RENAME README.txt COMPONENT game)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt COMPONENT game)

set(CPACK_PACKAGE_NAME grog-sloop)
set(CPACK_PACKAGE_VENDOR "GROG SLOOP")
set(CPACK_PACKAGE_DESCRIPTION "A pirate in a dungeon of random levels")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME grog-sloop-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "GROG SLOOP")
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};game;/")
# The installer's own script (per user, 64-bit) in place of CPack's.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)
include(CPack)

# The widget library's zip: its runtime and dev components.
set(SLOOPGUI_CPACK_CONFIG ${CMAKE_BINARY_DIR}/CPackSloopguiConfig.cmake)
file(WRITE ${SLOOPGUI_CPACK_CONFIG}
"set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME sloopgui)
set(CPACK_PACKAGE_DESCRIPTION \"Allegro 4 dialog widgets drawn in one of several looks, for mingw-w64 programs\")
set(CPACK_PACKAGE_VERSION ${SLOOPGUI_VERSION})
set(CPACK_PACKAGE_FILE_NAME sloopgui-${SLOOPGUI_VERSION}-win64-dev)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_CMAKE_GENERATOR \"${CMAKE_GENERATOR}\")
set(CPACK_INSTALL_CMAKE_PROJECTS \"${CMAKE_BINARY_DIR};${PROJECT_NAME};runtime;/;${CMAKE_BINARY_DIR};${PROJECT_NAME};dev;/\")
set(CPACK_OUTPUT_CONFIG_FILE ${SLOOPGUI_CPACK_CONFIG})
")
