# The installed static archive defines, as global symbols, exactly the
# public interface listed in widgets/sloopgui.symbols (C++ names included:
# a helper left global would clash with a program's name), and carries no
# path of the machine that built it.
#   cmake -DNM=nm -DARCHIVE=libsloopgui.a -DLIST=widgets/sloopgui.symbols
#         -DBUILD_PATHS="/src;/build" -P check_static_archive.cmake
include(${CMAKE_CURRENT_LIST_DIR}/defined_symbols.cmake)
defined_symbols(defined ${NM} -g ${ARCHIVE})
list(REMOVE_DUPLICATES defined)
file(STRINGS ${LIST} listed)
set(extra ${defined})
list(REMOVE_ITEM extra ${listed})
set(missing ${listed})
list(REMOVE_ITEM missing ${defined})
if(extra OR missing)
  message(FATAL_ERROR "The archive's global symbols differ from ${LIST}\n"
    "  global but not public: ${extra}\n"
    "  public but not defined: ${missing}")
endif()
list(LENGTH defined n)
message(STATUS "${n} global symbols, the public interface only")

file(READ ${ARCHIVE} bytes HEX)
foreach(path IN LISTS BUILD_PATHS)
  string(HEX "${path}" path_hex)
  string(TOLOWER "${path_hex}" path_hex)
  string(FIND "${bytes}" "${path_hex}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${ARCHIVE} names the build directory ${path}")
  endif()
endforeach()
message(STATUS "no build paths in ${ARCHIVE}")
