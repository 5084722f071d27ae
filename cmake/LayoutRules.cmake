# cmake -DSOURCE_DIR=repo -DBINARY_DIR=build/x -P LayoutRules.cmake
#   The rules of the tree's layout, as the README's Layout section states them:
#   - nothing that ships (common/ outside common/testing, installer/, viewer/, resources/)
#     includes test tooling (common/testing, tests/);
#   - nothing in common/ or resources/ includes from installer/ or viewer/;
#   - each folder's CMake list compiles only the files of its own folder.
set(faults)

file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} LIST_DIRECTORIES false
  ${SOURCE_DIR}/common/* ${SOURCE_DIR}/installer/* ${SOURCE_DIR}/viewer/*
  ${SOURCE_DIR}/resources/*)
list(FILTER files INCLUDE REGEX "\\.(h|cpp|rc)$")
foreach(file IN LISTS files)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    if(NOT file MATCHES "^common/testing/" AND line MATCHES "\"(common/testing|tests)/")
      list(APPEND faults "${file} includes test tooling: ${line}")
    endif()
    if(file MATCHES "^(common|resources)/" AND line MATCHES "\"(installer|viewer)/")
      list(APPEND faults "${file} includes from above: ${line}")
    endif()
  endforeach()
endforeach()

file(READ ${BINARY_DIR}/compile_commands.json commands)
string(JSON count LENGTH "${commands}")
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  string(JSON file GET "${commands}" ${i} file)
  string(JSON command GET "${commands}" ${i} command)
  cmake_path(IS_PREFIX SOURCE_DIR "${file}" NORMALIZE inside)
  cmake_path(IS_PREFIX BINARY_DIR "${file}" NORMALIZE generated)
  if(NOT inside OR generated)
    continue()
  endif()
  cmake_path(RELATIVE_PATH file BASE_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE relative)
  cmake_path(GET relative PARENT_PATH folder)
  # The object lands below the build folder of the list that compiles it.
  if(NOT command MATCHES "(^| |/)([^ ]*)CMakeFiles/[^ ]+\\.dir/")
    list(APPEND faults "no object path in the command for ${relative}")
    continue()
  endif()
  set(list_folder "${CMAKE_MATCH_2}")
  string(REGEX REPLACE "/$" "" list_folder "${list_folder}")
  if(NOT list_folder STREQUAL folder)
    list(APPEND faults "${relative} is compiled by the list of ${list_folder}/")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " faults)
  message(FATAL_ERROR "layout rules broken:\n  ${faults}")
endif()
