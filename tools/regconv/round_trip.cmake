# A small UTF-8 .reg file through every encoding and back: what comes back must be what went
# in, and each encoding must look as its readers expect.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/in.reg "Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Torvek\\结构工具箱\\乗]
\"路径\"=\"C:\\\\Program Files\\\\乗\\\\\"
\"Count\"=dword:0000002a
\"Modules\"=hex(7):61,00,00,00,62,00,00,00,00,00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]
@=\"default\"
")

function(regconv)
  execute_process(COMMAND ${REGCONV} ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "regconv ${ARGN} failed (${rc}): ${err}")
  endif()
endfunction()

regconv(${WORK_DIR}/in.reg ${WORK_DIR}/a.reg --to utf8)
regconv(${WORK_DIR}/a.reg ${WORK_DIR}/b.reg --to utf16)
regconv(${WORK_DIR}/b.reg ${WORK_DIR}/c.reg --to regedit4)
regconv(${WORK_DIR}/c.reg ${WORK_DIR}/d.reg --to utf8)
file(READ ${WORK_DIR}/a.reg first)
file(READ ${WORK_DIR}/d.reg last)
if(NOT first STREQUAL last)
  message(FATAL_ERROR "utf8 -> utf16 -> regedit4 -> utf8 changed the file:\n${first}\n---\n${last}")
endif()
if(NOT first MATCHES "\"Modules\"=hex\\(7\\):61,00,00,00,62,00,00,00,00,00")
  message(FATAL_ERROR "the UTF-8 file lost its UTF-16 hex(7) data:\n${first}")
endif()

file(READ ${WORK_DIR}/b.reg utf16 LIMIT 4 HEX)
if(NOT utf16 STREQUAL "fffe5700")
  message(FATAL_ERROR "the UTF-16 file does not start with its BOM and header: ${utf16}")
endif()
# In REGEDIT4 the strings are code page 936 (乗 is 81 5C) and hex(7) data the ANSI bytes.
file(READ ${WORK_DIR}/c.reg ansi HEX)
string(FIND "${ansi}" "815c" trail)
string(FIND "${ansi}" "6865782837293a36312c30302c36322c30302c3030" modules)
if(trail EQUAL -1 OR modules EQUAL -1)
  message(FATAL_ERROR "the REGEDIT4 file is not in code page 936: ${ansi}")
endif()

regconv(${WORK_DIR}/in.reg ${WORK_DIR}/only.reg --to utf8 --key "HKEY_LOCAL_MACHINE\\SOFTWARE\\Other")
file(READ ${WORK_DIR}/only.reg only)
if(only MATCHES "Torvek" OR NOT only MATCHES "@=\"default\"")
  message(FATAL_ERROR "--key did not limit the output:\n${only}")
endif()

file(WRITE ${WORK_DIR}/bad.reg "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\n\"v\"=hex:0g\n")
execute_process(COMMAND ${REGCONV} ${WORK_DIR}/bad.reg ${WORK_DIR}/out.reg --to utf8
  RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "bad.reg:4:")
  message(FATAL_ERROR "a malformed file was not refused with its line: ${rc} ${err}")
endif()
