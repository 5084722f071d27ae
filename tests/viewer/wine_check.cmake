# What the Wine checks that compare with the native gifinspect share: the program is there, the
# work and screenshot folders are made afresh, and a path as a Windows program under Wine sees it.
if(NOT EXISTS ${GIFINSPECT})
  message(FATAL_ERROR
    "${GIFINSPECT} is missing: build the native preset first, as tools/test.sh does")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK} ${SHOTS})

function(windows_path path variable)
  string(REPLACE "/" "\\" path "Z:${path}")
  set(${variable} "${path}" PARENT_SCOPE)
endfunction()
