# torvek_add_resources(TARGET RC_FILE RESOURCES type id file [type id file ...])
#   Gives the program its resources: on Windows the .rc file, compiled by windres; natively a
#   table generated from the same triples, reached through ProgramResources()
#   (common/portable/program_resources.h). A type is a number (5 for a dialog) or a name (GIF).
function(torvek_add_resources target)
  cmake_parse_arguments(ARG "" "RC_FILE" "RESOURCES" ${ARGN})
  if(TORVEK_WINDOWS)
    if(ARG_RC_FILE)
      target_sources(${target} PRIVATE ${ARG_RC_FILE})
    endif()
    return()
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  set(files)
  list(LENGTH ARG_RESOURCES count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 2 ${last} 3)
    list(GET ARG_RESOURCES ${i} file)
    list(APPEND files ${file})
  endforeach()
  string(REPLACE ";" "|" entries "${ARG_RESOURCES}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DENTRIES=${entries}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding resources of ${target}" VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
