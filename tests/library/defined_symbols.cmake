# defined_symbols(OUT NM OPTION FILE): the names FILE defines globally, as
# `NM OPTION --defined-only FILE` lists them (OPTION: -D for a shared
# library's dynamic table, -g for an archive's members), less the linker's
# own markers and the __odr_asan.NAME the sanitizer build adds beside each
# exported variable, and the standard library's template code the compiler
# copies into an archive as weak symbols (vague linkage: any program using
# the same template has its own copy, and the linker keeps one).
function(defined_symbols out nm option file)
  execute_process(COMMAND ${nm} ${option} --defined-only ${file}
                  OUTPUT_VARIABLE nm_out RESULT_VARIABLE nm_status)
  if(NOT nm_status EQUAL 0)
    message(FATAL_ERROR "${nm} failed on ${file}")
  endif()
  string(REPLACE "\n" ";" nm_lines "${nm_out}")
  set(names "")
  foreach(line IN LISTS nm_lines)
    if(line MATCHES "^[0-9a-fA-F]* *[WVu] (_ZN?K?St.*|_ZSt.*)$")
      continue()
    endif()
    if(line MATCHES "^[0-9a-fA-F]* *[A-Za-z] (.+)$")
      set(name "${CMAKE_MATCH_1}")
      if(NOT name MATCHES "^(__bss_start|_edata|_end)$" AND NOT name MATCHES "^__odr_asan[.]")
        list(APPEND names "${name}")
      endif()
    endif()
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()
