#include "common/strip_trailing_backslash.h"

#include "common/cp936_text.h"

namespace torvek {

bool EndsWithBackslash(std::string_view path) {
  return !path.empty() && path.back() == '\\' && IsCharStart(path, path.size() - 1);
}

std::string StripTrailingBackslash(std::string_view path) {
  if (EndsWithBackslash(path))
    path.remove_suffix(1);
  return std::string(path);
}

}  // namespace torvek
