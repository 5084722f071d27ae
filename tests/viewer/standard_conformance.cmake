# gifinspect render --standard against every golden of the pygif suite, read in place: counts
# the tests whose every frame matches byte for byte, lists the others with what went wrong, and
# fails below FLOOR.
#
# The suite's frames are displayed frames. In a file that is not forced to animate, an image
# whose delay is 0 (or that has no control block) is shown together with the images after it,
# so a displayed frame is the canvas after the last image of such a run: after each image
# with a delay, and after the file's last image. In a file forced to animate every image is a
# frame of its own. render --standard --frames N gives the canvas after the N-th image, so
# displayed frame k is rendered at the image that ends the k-th run.
#
# A test without frames has no golden. It passes when render ends cleanly, saying "nothing to
# show" or writing the canvas after the last image; that canvas must be wholly transparent,
# since such a file is to be refused or show nothing, except for plain-text, whose output the
# suite leaves open.
#
# Arguments: GIFINSPECT, WORK, FLOOR; the test data is in $ENV{TORVEK_TESTDATA_DIR}.
cmake_minimum_required(VERSION 3.25)
set(suite $ENV{TORVEK_TESTDATA_DIR}/gif/pygif-test-suite)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The value of `key` in `section` of the INI text `conf`, or "" when it has none.
function(conf_value conf section key out)
  string(REGEX MATCH "\n\\[${section}\\]\n([^[]*)" body "\n${conf}")
  string(REGEX MATCH "(^|\n)${key} = ([^\n]*)" line "${CMAKE_MATCH_1}")
  set(${out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

# The delay of each image of `gif` (0 without a control block), in file order.
function(image_delays gif out)
  execute_process(COMMAND ${GIFINSPECT} frames ${gif}
    OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 10)
  set(delays "")
  if(status STREQUAL "0")
    string(REGEX MATCHALL "delay=[a-z0-9]+ [^\n]* kind=image" images "${listing}")
    foreach(image IN LISTS images)
      string(REGEX MATCH "^delay=([a-z0-9]+)" ignored "${image}")
      if(CMAKE_MATCH_1 STREQUAL "none")
        list(APPEND delays 0)
      else()
        list(APPEND delays ${CMAKE_MATCH_1})
      endif()
    endforeach()
  endif()
  set(${out} "${delays}" PARENT_SCOPE)
endfunction()

# The number of the image that ends each displayed frame.
function(frame_ends delays forced out)
  list(LENGTH delays count)
  set(ends "")
  set(number 0)
  foreach(delay IN LISTS delays)
    math(EXPR number "${number} + 1")
    if(forced STREQUAL "yes" OR delay GREATER 0 OR number EQUAL count)
      list(APPEND ends ${number})
    endif()
  endforeach()
  if(count EQUAL 0)
    # A file without images still shows its empty screen.
    set(ends 1)
  endif()
  set(${out} "${ends}" PARENT_SCOPE)
endfunction()

set(output_left_open plain-text)

file(STRINGS ${suite}/TESTS tests)
set(passed 0)
set(failures "")
foreach(test IN LISTS tests)
  file(READ ${suite}/${test}.conf conf)
  conf_value("${conf}" config input input)
  conf_value("${conf}" config force-animation forced)
  conf_value("${conf}" config frames sections)
  string(REPLACE "," ";" sections "${sections}")
  image_delays(${suite}/${input} delays)
  frame_ends("${delays}" "${forced}" ends)

  set(why "")
  if(NOT sections)
    list(LENGTH delays last)
    if(last EQUAL 0)
      set(last 1)
    endif()
    execute_process(COMMAND ${GIFINSPECT} render ${suite}/${input} --standard --frames ${last}
        --out ${WORK}/${test}.rgba
      OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 10)
    if(status STREQUAL "0" AND NOT test IN_LIST output_left_open)
      file(READ ${WORK}/${test}.rgba pixels HEX)
      if(NOT pixels MATCHES "^(00)*$")
        set(why "shows something where nothing is to be shown")
      endif()
    elseif(NOT status MATCHES "^[01]$")
      set(why "exit ${status} ${errors}")
    endif()
  else()
    list(LENGTH sections wanted)
    list(LENGTH ends given)
    if(NOT wanted EQUAL given)
      set(why "${wanted} frames in the suite, ${given} by the images' delays")
    endif()
    set(k 0)
    foreach(section IN LISTS sections)
      if(why)
        break()
      endif()
      conf_value("${conf}" ${section} pixels golden)
      list(GET ends ${k} image)
      set(out ${WORK}/${test}.${k}.rgba)
      execute_process(COMMAND ${GIFINSPECT} render ${suite}/${input} --standard
          --frames ${image} --out ${out}
        OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 10)
      if(NOT status STREQUAL "0")
        set(why "frame ${k} (image ${image}): exit ${status} ${printed}${errors}")
      else()
        file(SHA256 ${out} got)
        file(SHA256 ${suite}/${golden} expected)
        if(NOT got STREQUAL expected)
          set(why "frame ${k} (image ${image}) differs from ${golden}")
        endif()
      endif()
      math(EXPR k "${k} + 1")
    endforeach()
  endif()

  if(why)
    string(STRIP "${why}" why)
    string(APPEND failures "  ${test}: ${why}\n")
  else()
    math(EXPR passed "${passed} + 1")
  endif()
endforeach()

list(LENGTH tests total)
message(STATUS "render --standard matches ${passed} of ${total} pygif tests (floor ${FLOOR})")
if(failures)
  message(STATUS "failures:\n${failures}")
endif()
if(passed LESS FLOOR)
  message(FATAL_ERROR "${passed} of ${total} is below the floor of ${FLOOR}")
endif()
