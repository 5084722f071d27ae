# acadscan as support staff run it: the installations of a 64-bit machine, then the module
# registered for 2008 and 2014 on a copy, with the acad.rx of a mapped drive rewritten.
# Arguments: ACADSCAN, FIXTURES, WORK.
file(REMOVE_RECURSE ${WORK})
set(location "${WORK}/c/Program Files (x86)/AutoCAD 2008")
file(MAKE_DIRECTORY ${location})
file(WRITE ${location}/acad.rx "acetutil.arx\r\nD:\\old\\torvek2004.arx\r\n")

execute_process(COMMAND ${ACADSCAN} ${FIXTURES}/machine64.reg
  OUTPUT_VARIABLE scan RESULT_VARIABLE status)
file(READ ${FIXTURES}/machine64.scan.txt expected)
if(NOT status EQUAL 0 OR NOT scan STREQUAL expected)
  message(FATAL_ERROR "acadscan printed (status ${status}):\n${scan}\nexpected:\n${expected}")
endif()

execute_process(COMMAND ${ACADSCAN} ${FIXTURES}/machine64.reg
    --install-folder "C:\\Program Files\\" --releases 2008,2014 --drive C=${WORK}/c
    --export ${WORK}/registered.reg --export-utf8
  OUTPUT_QUIET RESULT_VARIABLE status)
file(READ ${WORK}/registered.reg exported)
file(READ ${FIXTURES}/machine64.registered.reg expected)
if(NOT status EQUAL 0 OR NOT exported STREQUAL expected)
  message(FATAL_ERROR "the export differs from machine64.registered.reg (status ${status})")
endif()
file(READ ${location}/acad.rx rewritten HEX)
# C:\Program Files\Torvek结构工具箱\TORVEK2008.ARX, then ACETUTIL.ARX, in code page 936, CR LF.
string(CONCAT want "433a5c50726f6772616d2046696c65735c546f7276656bbde1b9b9b9a4bedfcfe45c"
  "544f5256454b323030382e4152580d0a414345545554494c2e4152580d0a")
if(NOT rewritten STREQUAL want)
  message(FATAL_ERROR "acad.rx after registration: ${rewritten}")
endif()

# The live registry is Windows' alone, and registering needs a copy to work on.
execute_process(COMMAND ${ACADSCAN} --releases 2008 OUTPUT_QUIET ERROR_QUIET
  RESULT_VARIABLE status)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "--releases without a .reg file was accepted (status ${status})")
endif()
