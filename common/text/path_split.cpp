#include "common/text/path_split.h"

#include "common/text/cp936_text.h"

namespace torvek {

namespace {

// Only called at character starts, so a trail byte is never looked at here.
bool IsSeparator(char c, PathSeparators separators) {
  return c == '\\' || (c == '/' && separators == PathSeparators::kBackslashOrSlash);
}

}  // namespace

std::size_t FindSeparator(std::string_view path, std::size_t from, PathSeparators separators) {
  std::size_t at = from;
  while (at < path.size() && !IsSeparator(path[at], separators))
    at += CharLength(path, at);
  return at;
}

std::vector<std::string_view> SplitPath(std::string_view path, PathSeparators separators) {
  std::vector<std::string_view> names;
  for (std::size_t start = 0; start < path.size();) {
    const std::size_t end = FindSeparator(path, start, separators);
    if (end > start)
      names.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

std::size_t LastNameStart(std::string_view path, PathSeparators separators) {
  std::size_t start = HasDrive(path) ? 2 : 0;
  for (std::size_t at = FindSeparator(path, start, separators); at < path.size();
       at = FindSeparator(path, at + 1, separators)) {
    start = at + 1;
  }
  return start;
}

bool StartsWithSeparator(std::string_view path, PathSeparators separators) {
  return !path.empty() && IsSeparator(path.front(), separators);
}

bool EndsWithSeparator(std::string_view path, PathSeparators separators) {
  return !path.empty() && IsSeparator(path.back(), separators) &&
         IsCharStart(path, path.size() - 1);
}

}  // namespace torvek
