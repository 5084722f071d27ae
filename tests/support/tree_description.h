// A file tree as readable text, for golden comparisons: one line per folder and file, in a
// stable order, with its attributes and, for a file, its size and a hash of its bytes.
#pragma once

#include <string>
#include <vector>

#include "common/platform/file_system.h"

namespace torvek::engine {

// "C:\Program Files\Torvek结构工具箱\TORVEK.CFG  attributes 20  size 12  fnv1a 9c0b..." for
// each entry below each root, roots in the order given, names sorted without case; the text
// is UTF-8. An acad.rx file is followed by its lines, each after "    | " (a CR at its end shown as
// " <CR>").
std::string DescribeTree(platform::FileSystem& files, const std::vector<std::string>& roots);

}  // namespace torvek::engine
