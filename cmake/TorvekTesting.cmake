# GoogleTest: Debian's build natively; built here from Debian's sources for Windows, whose
# test programs then run through Wine (CMAKE_CROSSCOMPILING_EMULATOR), one Wine process per
# program rather than per case, since every Wine start costs.

if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# torvek_add_test(NAME SOURCES... [LIBS ...] [REGISTRY] [SCREEN])
#   REGISTRY: the program touches the registry that all Wine tests share, so it never runs
#   beside another such program.
#   SCREEN: the program shows windows under Wine; two such programs at once take each other's
#   focus and clicks.
function(torvek_add_test name)
  cmake_parse_arguments(ARG "REGISTRY;SCREEN" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE torvek_options ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  # Windows programs under Wine reach the host's files through Z:, Wine's drive for "/".
  if(CMAKE_CROSSCOMPILING)
    set(host_root "Z:")
  else()
    set(host_root "")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300
    ENVIRONMENT "TORVEK_SOURCE_DIR=${host_root}${PROJECT_SOURCE_DIR};TORVEK_TESTDATA_DIR=${host_root}${TORVEK_TESTDATA_DIR}")
  set(locks)
  if(ARG_REGISTRY)
    list(APPEND locks wine_registry)
  endif()
  if(ARG_SCREEN)
    list(APPEND locks wine_screen)
  endif()
  if(locks AND CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK "${locks}")
  endif()
endfunction()
