# cmake -DNM=nm -DPROGRAMS=a.exe|b.exe -P NoTestTooling.cmake
#   Fails when any of the programs holds a symbol of namespace torvek::testing, the test tooling
#   no shipped program may link. A program without symbols of the kit cannot be checked, and
#   fails too rather than pass unseen.
string(REPLACE "|" ";" programs "${PROGRAMS}")
if(NOT programs)
  message(FATAL_ERROR "no programs to check")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND ${NM} -C ${program}
    OUTPUT_VARIABLE symbols ERROR_VARIABLE errors RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} cannot read ${program}: ${errors}")
  endif()
  if(NOT symbols MATCHES "torvek::")
    message(FATAL_ERROR "${program} holds no symbols of the kit: it cannot be checked")
  endif()
  string(REGEX MATCHALL "[^\n]*torvek::testing::[^\n]*" found "${symbols}")
  list(LENGTH found count)
  if(count GREATER 0)
    list(SUBLIST found 0 5 shown)
    list(JOIN shown "\n  " shown)
    message(FATAL_ERROR "${program} holds ${count} symbols of test tooling, among them:\n  ${shown}")
  endif()
  message(STATUS "${program}: no test tooling")
endforeach()
