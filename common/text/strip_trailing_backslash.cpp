#include "common/text/strip_trailing_backslash.h"

#include "common/text/path_split.h"

namespace torvek {

std::string StripTrailingBackslash(std::string_view path) {
  if (EndsWithSeparator(path, PathSeparators::kBackslash))
    path.remove_suffix(1);
  return std::string(path);
}

}  // namespace torvek
