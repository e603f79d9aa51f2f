# Builds the reference into OUT: doxygen's HTML (OUT/html) and manual pages,
# compressed as Debian wants them, with the hand-written sloopgui(3)
# overview (OUT/man3). Doxygen's warnings go to OUT/warnings.log.
#   cmake -DDOXYGEN=doxygen -DDOXYFILE=Doxyfile -DOVERVIEW=sloopgui.3 -DOUT=dir -P build_reference.cmake
file(REMOVE_RECURSE ${OUT}/html ${OUT}/man ${OUT}/man3 ${OUT}/warnings.log)
# Doxygen writes its warnings log there, so the directory must exist first.
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "doxygen failed")
endif()
file(MAKE_DIRECTORY ${OUT}/man3)
file(GLOB pages ${OUT}/man/man3sloopgui/*.3sloopgui)
foreach(page IN LISTS pages ITEMS ${OVERVIEW})
  get_filename_component(name ${page} NAME)
  execute_process(COMMAND gzip -9nc ${page} OUTPUT_FILE ${OUT}/man3/${name}.gz RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip failed on ${page}")
  endif()
endforeach()
