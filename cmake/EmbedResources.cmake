# Writes OUTPUT: a C++ table of the resources listed in ENTRIES ("type|id|file|type|id|file...").
string(REPLACE "|" ";" entries "${ENTRIES}")
list(LENGTH entries count)
math(EXPR last "${count} - 1")
set(arrays "")
set(rows "")
set(n 0)
foreach(i RANGE 0 ${last} 3)
  math(EXPR j "${i} + 1")
  math(EXPR k "${i} + 2")
  list(GET entries ${i} type)
  list(GET entries ${j} id)
  list(GET entries ${k} file)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const std::uint8_t kData${n}[] = {${bytes}0};\n")
  if(type MATCHES "^[0-9]+$")
    string(APPEND rows "  {${type}, nullptr, ${id}, kData${n}, ${size}},\n")
  else()
    string(APPEND rows "  {0, \"${type}\", ${id}, kData${n}, ${size}},\n")
  endif()
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from the program's resource list; do not edit.
#include \"common/portable/program_resources.h\"

namespace torvek::portable {
namespace {
${arrays}
const EmbeddedResource kTable[] = {
${rows}};
}  // namespace

std::span<const EmbeddedResource> ProgramResources() { return kTable; }

}  // namespace torvek::portable
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
