// .reg files, read into and written from the literal tree of a MemoryRegistry (no view applied,
// as `reg import /reg:64` and the 64-bit regedit see them).
//
// Three encodings:
//   REGEDIT4                                code page 936; hex(1), hex(2), hex(7) data are the
//                                           strings' code page 936 bytes
//   Windows Registry Editor Version 5.00    UTF-16LE with BOM, what `regedit /E` writes;
//                                           hex(1), hex(2), hex(7) data are UTF-16LE
//   UTF-8, with or without BOM, either header: the files kept in the repository
// Reading takes the encoding from the BOM, else from the header (REGEDIT4: code page 936;
// version 5.00: UTF-8), and parses the text as Unicode, so a trail byte 0x5C of a code page 936
// character is never taken for a backslash.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "common/portable/memory_registry.h"

namespace torvek::portable {

enum class RegFileFormat {
  kRegedit4,  // REGEDIT4 in code page 936, CR LF
  kUtf16,     // version 5.00 in UTF-16LE with BOM, CR LF
  kUtf8,      // version 5.00 in UTF-8 without BOM, LF
};

// What went wrong, and on which line (counted from 1; 0 when no one line is to blame).
struct RegFileResult {
  std::size_t line = 0;
  std::string message;

  bool ok() const { return message.empty(); }
};

// Applies the file to the registry: [key] creates, [-key] deletes the key and all below it,
// "name"=- deletes a value. All of the file or, when it has an error, none of it.
RegFileResult ImportRegFile(MemoryRegistry& registry, std::string_view bytes);

// Writes each of `keyPaths` (full paths in code page 936, such as
// "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\Autodesk") with everything below it: keys in the
// order RegEnumKeyExA gives them, values in the order they were set. Importing what it writes
// gives the same registry back.
RegFileResult ExportRegFile(MemoryRegistry& registry, RegFileFormat format, std::string& out,
                            std::span<const std::string> keyPaths);
RegFileResult ExportRegFile(MemoryRegistry& registry, RegFileFormat format, std::string& out,
                            const std::string& keyPath = "HKEY_LOCAL_MACHINE");

}  // namespace torvek::portable
