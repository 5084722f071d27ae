# Writes OUTPUT: a C++ table of the resources listed in ENTRIES ("type|id|file|type|id|file...").
# The assembler includes each file's bytes as they are (.incbin), so that megabytes cost no
# more than a few bytes; the script itself only reads the files' sizes.
string(REPLACE "|" ";" entries "${ENTRIES}")
list(LENGTH entries count)
math(EXPR last "${count} - 1")
set(data "")
set(declarations "")
set(rows "")
set(n 0)
foreach(i RANGE 0 ${last} 3)
  math(EXPR j "${i} + 1")
  math(EXPR k "${i} + 2")
  list(GET entries ${i} type)
  list(GET entries ${j} id)
  list(GET entries ${k} file)
  file(SIZE ${file} size)
  string(REPLACE "\\" "\\\\" quoted "${file}")
  string(REPLACE "\"" "\\\"" quoted "${quoted}")
  string(REPLACE "\\" "\\\\" quoted "${quoted}")
  string(REPLACE "\"" "\\\"" quoted "${quoted}")
  set(symbol torvek_resource_${n})
  # The trailing zero keeps an empty file's symbol apart from the next one.
  string(APPEND data "    \"  .balign 16\\n${symbol}:\\n  .incbin \\\"${quoted}\\\"\\n  .byte 0\\n\"\n")
  string(APPEND declarations "extern \"C\" const std::uint8_t ${symbol}[];\n")
  if(type MATCHES "^[0-9]+$")
    string(APPEND rows "  {${type}, nullptr, ${id}, ${symbol}, ${size}},\n")
  else()
    string(APPEND rows "  {0, \"${type}\", ${id}, ${symbol}, ${size}},\n")
  endif()
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from the program's resource list; do not edit.
#include \"common/portable/program_resources.h\"

asm(\"  .section .rodata\\n\"
${data}    \"  .previous\\n\");

${declarations}
namespace torvek::portable {
namespace {

const EmbeddedResource kTable[] = {
${rows}};

}  // namespace

std::span<const EmbeddedResource> ProgramResources() { return kTable; }

}  // namespace torvek::portable
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
