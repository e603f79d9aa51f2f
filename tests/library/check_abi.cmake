# Compares the symbols the shared library exports with the checked-in list.
#   cmake -DNM=nm -DLIBRARY=libsloopgui.so -DLIST=widgets/sloopgui.symbols -P check_abi.cmake
# The list holds one (unmangled, the interface is extern "C") name per line,
# sorted; the linker's own __bss_start, _edata and _end and the sanitizer's
# __odr_asan.* markers are left out.
# After a deliberate change of the public interface, rewrite the list with
#   nm -D --defined-only build/widgets/libsloopgui.so | awk '{print $3}' \
#     | grep -vxE '__bss_start|_edata|_end' | LC_ALL=C sort > widgets/sloopgui.symbols
# and raise the version in sloopgui/version.h (the major number, and so the
# SONAME, when something was removed or changed).
include(${CMAKE_CURRENT_LIST_DIR}/defined_symbols.cmake)
defined_symbols(built ${NM} -D ${LIBRARY})
file(STRINGS ${LIST} listed)
list(SORT built)
list(SORT listed)
set(extra ${built})
list(REMOVE_ITEM extra ${listed})
set(missing ${listed})
list(REMOVE_ITEM missing ${built})
if(extra OR missing)
  message(FATAL_ERROR "The exported symbols differ from ${LIST}\n"
    "  exported but not listed: ${extra}\n"
    "  listed but not exported: ${missing}\n"
    "Update the list only for a deliberate change of the public interface.")
endif()
list(LENGTH built n)
message(STATUS "${n} exported symbols, as listed")
