# The demonstrations: eleven GIF files written at build time by tools/gifgen into
# ${CMAKE_BINARY_DIR}/demonstrations/<id>.gif, and given to a program as resources of type GIF.
#
# gifgen runs on the build machine. A native build builds it as an ordinary target; a cross
# build (the Windows presets) builds tools/gifgen with the host's compiler in a build tree of
# its own below ${CMAKE_BINARY_DIR}/host-tools (ExternalProject), so that nothing generated
# ever needs Wine.

set(TORVEK_DEMONSTRATION_IDS 133 134 135 136 137 138 139 140 141 143 144)
set(TORVEK_DEMONSTRATION_DIR ${CMAKE_BINARY_DIR}/demonstrations)

# torvek_generate_demonstrations(GENERATOR command DEPENDS targets-or-files...)
#   The `demonstrations` target (part of the default build): one command per file, so that
#   the files are written in parallel.
function(torvek_generate_demonstrations)
  cmake_parse_arguments(ARG "" "GENERATOR" "DEPENDS" ${ARGN})
  file(MAKE_DIRECTORY ${TORVEK_DEMONSTRATION_DIR})
  set(outputs)
  foreach(id IN LISTS TORVEK_DEMONSTRATION_IDS)
    set(output ${TORVEK_DEMONSTRATION_DIR}/${id}.gif)
    add_custom_command(OUTPUT ${output}
      COMMAND ${ARG_GENERATOR} ${TORVEK_DEMONSTRATION_DIR} ${id}
      DEPENDS ${ARG_DEPENDS}
      COMMENT "Recording demonstration ${id}" VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(demonstrations ALL DEPENDS ${outputs})
endfunction()

# The generator of a cross build: tools/gifgen built for the host.
function(torvek_add_host_generator)
  include(ExternalProject)
  set(host_dir ${CMAKE_BINARY_DIR}/host-tools)
  set(generator ${host_dir}/tools/gifgen/gifgen)
  set(host_args -DTORVEK_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
                -DTORVEK_WERROR=${TORVEK_WERROR})
  foreach(launcher CMAKE_C_COMPILER_LAUNCHER CMAKE_CXX_COMPILER_LAUNCHER)
    if(${launcher})
      list(APPEND host_args -D${launcher}=${${launcher}})
    endif()
  endforeach()
  ExternalProject_Add(host_gifgen
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_dir}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS ${host_args}
    BUILD_COMMAND ${CMAKE_COMMAND} --build . --target gifgen
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${generator}
    USES_TERMINAL_BUILD ON)
  torvek_generate_demonstrations(GENERATOR ${generator} DEPENDS host_gifgen ${generator})
endfunction()

# torvek_add_demonstrations(TARGET)
#   Gives a program the eleven demonstrations as resources of type GIF with their ids: on
#   Windows through a generated .rc (next to any .rc of the program's own; the linker merges
#   them), natively through the embedded resource table (torvek_add_resources). Call it from
#   the directory that defines the target.
function(torvek_add_demonstrations target)
  set(files)
  set(resources)
  foreach(id IN LISTS TORVEK_DEMONSTRATION_IDS)
    list(APPEND files ${TORVEK_DEMONSTRATION_DIR}/${id}.gif)
    list(APPEND resources GIF ${id} ${TORVEK_DEMONSTRATION_DIR}/${id}.gif)
  endforeach()
  add_dependencies(${target} demonstrations)
  if(TORVEK_WINDOWS)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_demonstrations.rc)
    set(lines "#pragma code_page(65001)\n")
    foreach(id IN LISTS TORVEK_DEMONSTRATION_IDS)
      string(APPEND lines "${id} GIF \"${TORVEK_DEMONSTRATION_DIR}/${id}.gif\"\n")
    endforeach()
    file(CONFIGURE OUTPUT ${rc} CONTENT "${lines}" @ONLY)
    target_sources(${target} PRIVATE ${rc})
    # windres reports no dependencies: the resource object is rebuilt when a file changes.
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${files})
  else()
    torvek_add_resources(${target} RESOURCES ${resources})
  endif()
endfunction()

# torvek_add_demonstration_digest_test(NAME LIST)
#   A test that the build's demonstrations have the digests in LIST (SHA-256, one
#   "digest  <id>.gif" line each, as sha256sum writes them). It runs on the build machine in
#   every build, so the host-built generator of a cross build is held to the same bytes as
#   the native one. The target refresh_demonstration_digests rewrites LIST from this build.
function(torvek_add_demonstration_digest_test name list)
  set(script ${PROJECT_SOURCE_DIR}/cmake/DemonstrationDigests.cmake)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -DDIR=${TORVEK_DEMONSTRATION_DIR} -DLIST=${list}
            "-DIDS=${TORVEK_DEMONSTRATION_IDS}" -P ${script})
  if(NOT TARGET refresh_demonstration_digests)
    add_custom_target(refresh_demonstration_digests
      COMMAND ${CMAKE_COMMAND} -DDIR=${TORVEK_DEMONSTRATION_DIR} -DLIST=${list}
              "-DIDS=${TORVEK_DEMONSTRATION_IDS}" -DWRITE=ON -P ${script}
      DEPENDS demonstrations VERBATIM)
  endif()
endfunction()
