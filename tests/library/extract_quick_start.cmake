# Writes the README's quick start, the first ```cpp block after the
# "## Quick start" heading, to OUTPUT exactly as a reader would copy it.
#   cmake -DREADME=widgets/README.md -DOUTPUT=quick_start.cpp -P extract_quick_start.cmake
file(READ ${README} text)
string(FIND "${text}" "## Quick start" at)
if(at LESS 0)
  message(FATAL_ERROR "${README} has no \"## Quick start\" section")
endif()
string(SUBSTRING "${text}" ${at} -1 text)
string(FIND "${text}" "```cpp\n" open)
if(open LESS 0)
  message(FATAL_ERROR "the quick start in ${README} has no ```cpp block")
endif()
math(EXPR open "${open} + 7")
string(SUBSTRING "${text}" ${open} -1 text)
string(FIND "${text}" "```" close)
string(SUBSTRING "${text}" 0 ${close} code)
file(WRITE ${OUTPUT}.new "${code}")
# Rewritten only when it changed, so an edit elsewhere in the README does
# not rebuild the test.
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUTPUT}.new ${OUTPUT})
file(REMOVE ${OUTPUT}.new)
