# gifinspect as a script reads it, on third-party files read in place. The frame counts and
# rectangles come from the files' own test suites, not from this tool.
# Arguments: GIFINSPECT (the program, after its emulator when there is one), WORK; the test data
# is in $ENV{TORVEK_TESTDATA_DIR}, as the program sees it (behind Z: under Wine).
set(PROGRAM_DATA $ENV{TORVEK_TESTDATA_DIR}/gif)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# The output goes through a file read as hex: execute_process and a plain file(READ) both drop
# the CR of a CR LF.
function(inspect expected_status output_var)
  execute_process(COMMAND ${GIFINSPECT} ${ARGN}
    OUTPUT_FILE ${WORK}/stdout ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
  file(READ ${WORK}/stdout output)
  file(READ ${WORK}/stdout hex HEX)
  if(hex MATCHES "^(..)*0d")
    message(FATAL_ERROR "gifinspect ${ARGN}: a carriage return in the output")
  endif()
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "gifinspect ${ARGN} exited ${status}, not ${expected_status}:\n"
      "${output}${errors}")
  endif()
  set(${output_var} "${output}" PARENT_SCOPE)
endfunction()

# Sets `groups` to the regex's first four groups.
function(expect_match what regex text)
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${what}: expected to match\n${regex}\ngot\n${text}")
  endif()
  set(groups ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} PARENT_SCOPE)
endfunction()

set(n "[0-9]+")
set(red_blue wuffs-test-data/animated-red-blue.gif)

# Four frames with the rectangles wuffs asserts ((x0, y0, x1, y1) there), one field apart, LF
# only.
inspect(0 listing frames ${PROGRAM_DATA}/${red_blue})
set(frame " size=(${n}) delay=${n} disposal=[0-7]")
expect_match("frames ${red_blue}"
  "^count=4 screen=64x48\n0${frame} left=0 top=0 width=64 height=48 kind=image\n1${frame} left=15 top=31 width=37 height=9 kind=image\n2${frame} left=15 top=0 width=49 height=40 kind=image\n3${frame} left=15 top=0 width=49 height=40 kind=image\n$"
  "${listing}")
set(sizes ${groups})

# The split writes those four streams, of the listed sizes, and nothing else. (The streams'
# bytes are the splitter's tests' business.)
inspect(0 ignored split ${PROGRAM_DATA}/${red_blue} ${WORK}/red-blue)
file(GLOB written RELATIVE ${WORK}/red-blue ${WORK}/red-blue/*)
list(SORT written)
set(written_sizes "")
foreach(k RANGE 3)
  file(SIZE ${WORK}/red-blue/${k}.gif size)
  list(APPEND written_sizes ${size})
endforeach()
if(NOT written STREQUAL "0.gif;1.gif;2.gif;3.gif" OR NOT written_sizes STREQUAL sizes)
  message(FATAL_ERROR "split wrote ${written} of ${written_sizes} bytes; listed: ${sizes}")
endif()

# wuffs counts 380 frames here; every one is listed.
inspect(0 listing frames ${PROGRAM_DATA}/wuffs-test-data/gifplayer-muybridge.gif)
string(REGEX MATCHALL "\n" lines "${listing}")
list(LENGTH lines line_count)
expect_match("muybridge" "^count=380 screen=${n}x${n}\n" "${listing}")
if(NOT line_count EQUAL 381)
  message(FATAL_ERROR "muybridge: ${line_count} lines, not 381")
endif()

# One image: counted once, and cut all the same.
inspect(0 listing frames ${PROGRAM_DATA}/wuffs-test-data/bricks-gray.gif)
expect_match("one image" "^count=1 screen=160x120\n0${frame} left=0 top=0 width=160 height=120 kind=image\n$" "${listing}")
inspect(0 ignored split ${PROGRAM_DATA}/wuffs-test-data/bricks-gray.gif ${WORK}/one)
if(NOT EXISTS ${WORK}/one/0.gif)
  message(FATAL_ERROR "the one frame of bricks-gray.gif was not written")
endif()

# A plain-text frame has no geometry.
inspect(0 listing frames ${PROGRAM_DATA}/pygif-test-suite/plain-text.gif)
expect_match("plain text" "\n0 size=${n} delay=(none|${n}) disposal=[0-7] left=- top=- width=- height=- kind=text\n" "${listing}")

# Not a GIF: said on stdout, nothing written.
inspect(1 listing split ${PROGRAM_DATA}/SOURCES.md ${WORK}/none)
if(NOT listing STREQUAL "not a GIF\n" OR EXISTS ${WORK}/none)
  message(FATAL_ERROR "SOURCES.md: \"${listing}\", folder made: ${WORK}/none")
endif()

inspect(0 help --help)
expect_match("--help" "^usage: gifinspect frames FILE\n" "${help}")
inspect(2 ignored frames ${PROGRAM_DATA}/no-such-file.gif)
inspect(2 ignored frames)
inspect(2 ignored frames ${PROGRAM_DATA}/${red_blue} extra)
inspect(2 ignored frobnicate ${PROGRAM_DATA}/${red_blue})
