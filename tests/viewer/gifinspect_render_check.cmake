# gifinspect render on third-party files read in place, against the suite's own goldens where
# the player's rules and the suite's agree (opaque frames that cover the screen), and against
# the player's own rules where they do not (the menu colour under what no frame has drawn yet).
# Arguments: GIFINSPECT, WORK; the test data is in $ENV{TORVEK_TESTDATA_DIR}.
set(suite $ENV{TORVEK_TESTDATA_DIR}/gif/pygif-test-suite)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(render expected_status output)
  execute_process(COMMAND ${GIFINSPECT} render ${ARGN} --out ${WORK}/${output}
    OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "render ${ARGN} exited ${status}, not ${expected_status}:\n"
      "${printed}${errors}")
  endif()
  set(printed "${printed}" PARENT_SCOPE)
endfunction()

function(expect_pixels output expected_hex what)
  file(READ ${WORK}/${output} hex HEX)
  if(NOT hex STREQUAL expected_hex)
    message(FATAL_ERROR "${what}: ${hex}, not ${expected_hex}")
  endif()
endfunction()

# Four opaque 2 x 2 frames: after the fifth Render the second pass shows frame 0 again.
foreach(count RANGE 1 5)
  math(EXPR golden "(${count} - 1) % 4")
  render(0 animation-${count}.rgba ${suite}/animation.gif --frames ${count})
  file(READ ${suite}/animation.${golden}.rgba expected HEX)
  expect_pixels(animation-${count}.rgba "${expected}" "animation.gif after ${count}")
endforeach()

# Four 1 x 1 images, one per corner: after the first, the other three are still menu colour.
render(0 combine.rgba ${suite}/images-combine.gif --frames 1 --menu-colour 1,2,3)
expect_pixels(combine.rgba "ff0000ff010203ff010203ff010203ff" "images-combine.gif, menu 1,2,3")

# Cut to the control's size.
render(0 small.rgba ${suite}/animation.gif --frames 1 --max 1x1)
expect_pixels(small.rgba "ffffffff" "animation.gif in a 1 x 1 control")

# The same pixels as a PNG: signature, then a 2 x 2 header.
render(0 animation.png ${suite}/animation.gif --frames 1)
file(READ ${WORK}/animation.png png HEX LIMIT 24)
if(NOT png MATCHES "^89504e470d0a1a0a0000000d494844520000000200000002$")
  message(FATAL_ERROR "animation.png does not begin as a 2 x 2 PNG: ${png}")
endif()

# --standard: the same file composed from a transparent screen, and as a PNG with alpha
# (colour type 6 after the 2 x 2 size). The player's options do not go with it.
render(0 standard.png ${suite}/animation.gif --frames 1 --standard)
file(READ ${WORK}/standard.png png HEX LIMIT 26)
if(NOT png MATCHES "^89504e470d0a1a0a0000000d4948445200000002000000020806$")
  message(FATAL_ERROR "standard.png does not begin as a 2 x 2 RGBA PNG: ${png}")
endif()
render(2 standard.rgba ${suite}/animation.gif --frames 1 --standard --menu-colour 1,2,3)

render(1 none.rgba $ENV{TORVEK_TESTDATA_DIR}/gif/SOURCES.md --frames 1)
if(NOT printed STREQUAL "nothing to show\n" OR EXISTS ${WORK}/none.rgba)
  message(FATAL_ERROR "SOURCES.md: \"${printed}\"")
endif()
render(2 zero.rgba ${suite}/animation.gif --frames 0)
render(2 bad.rgba ${suite}/animation.gif --frames 1 --max 0x5)
render(2 bad.bmp ${suite}/animation.gif --frames 1)
