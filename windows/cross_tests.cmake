# Tests of a cross build, run under Wine by CTest's emulator.
#
# GoogleTest is built here from the sources Debian's libgtest-dev ships
# (/usr/src/googletest), for the target: no binary of it is downloaded.
set(GROG_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GROG_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
add_library(GTest::gtest ALIAS gtest)
add_library(GTest::gtest_main ALIAS gtest_main)

# Each Wine start costs a second or more, so a test program is one test
# rather than one per case (which is what discovery would make): its output
# names the case that failed. Takes the place of GoogleTest's own
# gtest_discover_tests for the whole tree.
function(gtest_discover_tests target)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES TIMEOUT 900)
endfunction()

# mkdtemp and setenv, which the tests use and Windows lacks, come with
# GoogleTest to every test program.
add_library(posix_test_shims STATIC ${CMAKE_CURRENT_LIST_DIR}/tests/posix_shims.cpp)
target_link_libraries(gtest PUBLIC posix_test_shims)
target_compile_options(gtest INTERFACE -include ${CMAKE_CURRENT_LIST_DIR}/tests/posix_shims.h)
# The test programs have a plain main(): Allegro's own WinMain wrapper, which
# the game uses through END_OF_MAIN(), stays out of them.
target_compile_definitions(gtest INTERFACE ALLEGRO_NO_MAGIC_MAIN)
