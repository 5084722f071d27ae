// AutoCAD's loader file acad.rx: one module path per line, read and written in text mode.
// The toolbox's own lines (those carrying one of its markers) are filtered out, and the file
// is written back with the module line first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/platform/file_system.h"

namespace torvek::acad {

enum class LoaderReadResult {
  kRead,        // the kept lines are the file's
  kMissing,     // there is no file: nothing to keep
  kReadFailed,  // the file is there but a read failed: nothing read may replace it
};

// The lines of the file that survive, upper-cased and in their order: blank lines and every
// line whose upper-cased form carries "TORVEK" or "QUILLMOR" are dropped. Lines are read
// whole, however long.
LoaderReadResult ReadKeptLines(platform::FileSystem& files, const char* path,
                               std::vector<std::string>& kept);

// True when `line`, once upper-cased, carries one of the toolbox's markers.
bool IsToolboxLine(std::string_view upperCasedLine);

// Replaces the file's content with the module line and the kept lines, each ending in a line
// feed (CR LF on disk). The new content goes to a new file beside the old one first and takes
// its place only once complete (`replacing`: the old file is there and keeps its attributes),
// so a failure part-way leaves the old file as it was. Only where no file at all can be made
// beside it but the loader file itself is writable is it written in place. False when the
// file was not replaced.
bool WriteLoaderFile(platform::FileSystem& files, const char* path, const std::string& moduleLine,
                     const std::vector<std::string>& kept, bool replacing);

}  // namespace torvek::acad
