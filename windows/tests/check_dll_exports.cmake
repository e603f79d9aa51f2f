# Compares what sloopgui.dll exports with widgets/sloopgui.symbols.
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DLIBRARY=sloopgui.dll
#         -DLIST=widgets/sloopgui.symbols -P check_dll_exports.cmake
# objdump -p prints the export table as "[ordinal] name" lines after the
# "[Ordinal/Name Pointer] Table" heading.
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} failed on ${LIBRARY}")
endif()
string(REPLACE "\n" ";" lines "${dump}")
set(in_table FALSE)
set(exported "")
foreach(line IN LISTS lines)
  if(line MATCHES "Ordinal/Name Pointer\\] Table")
    set(in_table TRUE)
  elseif(in_table AND line MATCHES "^[ \t]*\\[ *[0-9]+\\] (.+)$")
    list(APPEND exported "${CMAKE_MATCH_1}")
  elseif(in_table AND NOT line MATCHES "^[ \t]*$")
    set(in_table FALSE)
  endif()
endforeach()
file(STRINGS ${LIST} listed)
set(extra ${exported})
list(REMOVE_ITEM extra ${listed})
set(missing ${listed})
list(REMOVE_ITEM missing ${exported})
if(extra OR missing)
  message(FATAL_ERROR "The DLL's exports differ from ${LIST}\n"
    "  exported but not listed: ${extra}\n"
    "  listed but not exported: ${missing}")
endif()
list(LENGTH exported n)
message(STATUS "${n} exported names, as listed")
