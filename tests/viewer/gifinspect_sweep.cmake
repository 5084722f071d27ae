# Every file of every suite in the GIF test data, crash and stall corpora included, through
# gifinspect: frames (the splitter's count and extraction) and render (the viewer's whole load:
# split, decode every frame, then three frames of the player, held by its hook). Each run ends
# within 2 s with its answer (a listing or a canvas: 0; "not a GIF" or "nothing to show": 1),
# never a crash or a sanitizer's abort; frames lists as many frames as it counts. Under ASan no
# run may pass 1 GB of resident memory. The canvas is held to 256 x 256, as the viewer's
# control holds it: what lies outside is cut off while every frame is still decoded whole.
# Arguments: GIFINSPECT, WORK; the data is in $ENV{TORVEK_TESTDATA_DIR}.
set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:hard_rss_limit_mb=1024")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB_RECURSE files LIST_DIRECTORIES false $ENV{TORVEK_TESTDATA_DIR}/gif/*)
list(SORT files)
set(failures "")
set(gifs 0)
foreach(path IN LISTS files)
  # The picture loader takes data that begins "GIF" or "BM" and refuses anything else before
  # reading further, so the rest (the suites' goldens and texts) is left to frames.
  file(READ ${path} magic LIMIT 3 HEX)
  if(magic MATCHES "^(474946|424d)")
    execute_process(COMMAND ${GIFINSPECT} render ${path} --frames 3 --max 256x256
        --out ${WORK}/canvas.rgba
      OUTPUT_VARIABLE printed ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 2)
    if(NOT status STREQUAL "0" AND NOT (status STREQUAL "1" AND printed STREQUAL "nothing to show\n"))
      string(APPEND failures "render ${path}: ${status}\n${errors}\n")
    endif()
  endif()

  execute_process(COMMAND ${GIFINSPECT} frames ${path}
    OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 2)
  if(status STREQUAL "1" AND listing STREQUAL "not a GIF\n")
    continue()
  endif()
  if(NOT status STREQUAL "0" OR NOT listing MATCHES "^count=([0-9]+) ")
    string(APPEND failures "frames ${path}: ${status}\n${errors}\n")
    continue()
  endif()
  set(count ${CMAKE_MATCH_1})
  string(REGEX MATCHALL "\n" lines "${listing}")
  list(LENGTH lines line_count)
  math(EXPR listed "${line_count} - 1")
  if(NOT listed EQUAL count)
    string(APPEND failures "frames ${path}: counts ${count} frames, lists ${listed}\n")
  endif()
  math(EXPR gifs "${gifs} + 1")
endforeach()
list(LENGTH files total)
message(STATUS "${total} files, ${gifs} of them GIFs")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
