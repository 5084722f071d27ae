# Demonstration.exe end to end under Wine: demonstration_end_to_end_test drives the real program
# and keeps two looks at its first demonstration playing, with their moments after the start of
# play; each look must then be the canvas the native gifinspect renders for some frame count
# within 10 of the moment in tenths of a second (the demonstrations show a frame every 100 ms),
# at the control's size and the system's menu colour.
# Arguments: WINE, PROGRAM (the test), VIEWER (Demonstration.exe), GIFINSPECT (the native
# build's), DEMONSTRATION (140.gif), WORK, SHOTS (where the screenshots are kept).
include(${CMAKE_CURRENT_LIST_DIR}/wine_check.cmake)
windows_path(${VIEWER} viewer)
windows_path(${WORK} work)
windows_path(${SHOTS} shots)
set(ENV{TORVEK_DEMONSTRATION_EXE} "${viewer}")
set(ENV{TORVEK_END_TO_END_DIR} "${work}")
set(ENV{TORVEK_SCREENSHOT_DIR} "${shots}")

execute_process(COMMAND ${WINE} ${PROGRAM}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 900)
message("${output}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "demonstration_end_to_end_test exited ${status}")
endif()

file(STRINGS ${WORK}/playing.txt lines)
list(LENGTH lines count)
set(pattern "^([0-9]+);([0-9]+);([0-9]+x[0-9]+) ([0-9]+,[0-9]+,[0-9]+)$")
if(NOT count EQUAL 3 OR NOT lines MATCHES "${pattern}")
  message(FATAL_ERROR "playing.txt: ${lines}")
endif()
set(moments ${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
set(max ${CMAKE_MATCH_3})
set(menu ${CMAKE_MATCH_4})

set(look 0)
foreach(moment IN LISTS moments)
  math(EXPR look "${look} + 1")
  math(EXPR due "(${moment} + 50) / 100")
  set(found "")
  # Nearest first: most looks match at the first or second try.
  foreach(offset 0 1 -1 2 -2 3 -3 4 -4 5 -5 6 -6 7 -7 8 -8 9 -9 10 -10)
    math(EXPR frames "${due} + ${offset}")
    if(frames LESS 1)
      continue()
    endif()
    execute_process(COMMAND ${GIFINSPECT} render ${DEMONSTRATION} --frames ${frames} --max ${max}
        --menu-colour ${menu} --out ${WORK}/expected.rgba
      RESULT_VARIABLE status ERROR_VARIABLE errors TIMEOUT 120)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "gifinspect render --frames ${frames} exited ${status}: ${errors}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/expected.rgba
        ${WORK}/playing-${look}.rgba RESULT_VARIABLE differs)
    if(differs EQUAL 0)
      set(found ${frames})
      break()
    endif()
  endforeach()
  if(found STREQUAL "")
    message(FATAL_ERROR "look ${look}, ${moment} ms into play: no frame count from ${due} - 10 "
      "to ${due} + 10 renders what the screen showed")
  endif()
  message("look ${look}, ${moment} ms into play: frame ${found} (due: ${due})")
endforeach()
