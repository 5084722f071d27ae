# The animation control under Wine against gifinspect render: viewer_window_test reports the
# live size of control 1003 and the system's menu colour, the native gifinspect renders
# demonstration 140 at those for each frame count, and viewer_window_test plays the same
# demonstration in its window, held at those counts, and compares.
# Arguments: WINE, PROGRAM, GIFINSPECT (the native build's), DEMONSTRATION (140.gif), WORK,
# SHOTS (where the control's pictures are kept).
set(counts 1 300 650)

include(${CMAKE_CURRENT_LIST_DIR}/wine_check.cmake)
windows_path(${WORK} work)
windows_path(${SHOTS} shots)
set(ENV{TORVEK_VIEWER_WINDOW_DIR} "${work}")
set(ENV{TORVEK_SCREENSHOT_DIR} "${shots}")
string(JOIN " " count_list ${counts})
set(ENV{TORVEK_VIEWER_WINDOW_COUNTS} "${count_list}")

function(run_case name)
  execute_process(COMMAND ${WINE} ${PROGRAM} --gtest_filter=ViewerWindow.${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 240)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "ViewerWindow.${name} exited ${status}:\n${output}")
  endif()
  message("${output}")
endfunction()

run_case(ReportsTheControlsSizeAndTheMenuColour)
file(READ ${WORK}/measure.txt measure)
if(NOT measure MATCHES "^([0-9]+x[0-9]+) ([0-9]+,[0-9]+,[0-9]+)\n$")
  message(FATAL_ERROR "measure.txt: ${measure}")
endif()
set(max ${CMAKE_MATCH_1})
set(menu ${CMAKE_MATCH_2})
message("control 1003: ${max}, menu colour ${menu}")

foreach(count IN LISTS counts)
  execute_process(COMMAND ${GIFINSPECT} render ${DEMONSTRATION} --frames ${count} --max ${max}
      --menu-colour ${menu} --out ${WORK}/expected-${count}.rgba
    RESULT_VARIABLE status ERROR_VARIABLE errors TIMEOUT 120)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gifinspect render --frames ${count} exited ${status}: ${errors}")
  endif()
endforeach()

run_case(PlaysDemonstration140AsGifinspectRendersIt)
