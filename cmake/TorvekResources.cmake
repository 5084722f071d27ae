# torvek_add_resources(TARGET [RC_FILE file.rc] [RESOURCES type id file [type id file ...]])
#   Gives the program its resources: on Windows the .rc file, compiled by windres; natively a
#   table generated from the triples, reached through ProgramResources()
#   (common/portable/program_resources.h). A type is a number (5 for a dialog) or a name (GIF).
#   A target may be given resources by several calls (its own and the demonstrations, say),
#   all from the directory that defines it; natively they end up in one table.
function(torvek_add_resources target)
  cmake_parse_arguments(ARG "" "RC_FILE" "RESOURCES" ${ARGN})
  if(TORVEK_WINDOWS)
    if(ARG_RC_FILE)
      target_sources(${target} PRIVATE ${ARG_RC_FILE})
    endif()
    return()
  endif()
  if(NOT ARG_RESOURCES)
    return()
  endif()
  set(files)
  list(LENGTH ARG_RESOURCES count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 2 ${last} 3)
    list(GET ARG_RESOURCES ${i} file)
    list(APPEND files ${file})
  endforeach()
  set_property(TARGET ${target} APPEND PROPERTY TORVEK_RESOURCE_ENTRIES ${ARG_RESOURCES})
  set_property(TARGET ${target} APPEND PROPERTY TORVEK_RESOURCE_FILES ${files})

  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  # The table's text changes only with sizes: the object depends on the bytes themselves.
  set_property(SOURCE ${output} APPEND PROPERTY OBJECT_DEPENDS ${files})
  get_target_property(table ${target} TORVEK_RESOURCE_TABLE)
  if(table)
    return()
  endif()
  set_property(TARGET ${target} PROPERTY TORVEK_RESOURCE_TABLE ${output})
  # The entries of every call, read when the build is generated.
  set(entries "$<JOIN:$<TARGET_PROPERTY:${target},TORVEK_RESOURCE_ENTRIES>,|>")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DENTRIES=${entries}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS "$<TARGET_PROPERTY:${target},TORVEK_RESOURCE_FILES>"
            ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding resources of ${target}" VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
