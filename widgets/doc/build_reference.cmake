# Builds the reference into OUT: doxygen's HTML (OUT/html) and manual pages,
# compressed as Debian wants them, with the hand-written sloopgui(3)
# overview (OUT/man3). Doxygen's warnings go to OUT/warnings.log.
#   cmake -DDOXYGEN=doxygen -DDOXYFILE=Doxyfile -DOVERVIEW=sloopgui.3 -DSYMBOLS=sloopgui.symbols -DOUT=dir
#         -P build_reference.cmake
# Besides a page per header and per record, every public function and
# variable (the names in SYMBOLS) and every THEME_* and SLOOPGUI_* constant
# has a page of its own that leads to its header's (`man use_theme`); the
# pages doxygen makes for record fields (`name`, `init`, ...) are dropped,
# as `man init` must not find them.
file(REMOVE_RECURSE ${OUT}/html ${OUT}/man ${OUT}/man3 ${OUT}/warnings.log)
# Doxygen writes its warnings log there, so the directory must exist first.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "doxygen failed")
endif()
file(MAKE_DIRECTORY ${OUT}/man3)
file(STRINGS ${SYMBOLS} public_names)
file(GLOB pages ${OUT}/man/man3sloopgui/*.3sloopgui)
set(kept "")
foreach(page IN LISTS pages)
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE "\\.3sloopgui$" "" name "${name}")
  file(READ ${page} text)
  if(text MATCHES "^\\.so man3sloopgui/")
    list(FIND public_names "${name}" at)
    if(at LESS 0 AND NOT name MATCHES "^(THEME_|SLOOPGUI_)")
      continue()
    endif()
    # Installed, the pages live in man3.
    string(REPLACE ".so man3sloopgui/" ".so man3/" text "${text}")
  else()
    # A header's page is named by its file: its whatis entry too.
    string(REGEX REPLACE "\n\\.SH NAME\nsloopgui/" "\n.SH NAME\n" text "${text}")
  endif()
  file(WRITE ${page} "${text}")
  list(APPEND kept ${page})
endforeach()
foreach(page IN LISTS kept ITEMS ${OVERVIEW})
  get_filename_component(name ${page} NAME)
  execute_process(COMMAND gzip -9nc ${page} OUTPUT_FILE ${OUT}/man3/${name}.gz RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
  endif()
endforeach()
