// Code page 936 paths taken apart at their separators. A separator is a single-byte character:
// the trail byte of a double-byte character is half of a name even when it is 0x5C (乗 is
// 81 5C).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace torvek {

// Registry keys and the installer's own folder paths are divided by the backslash alone; the
// file calls take the slash as well.
enum class PathSeparators { kBackslash, kBackslashOrSlash };

// The position of the first separator character at or after `from` (a character start), or
// the path's size when there is none.
std::size_t FindSeparator(std::string_view path, std::size_t from,
                          PathSeparators separators = PathSeparators::kBackslash);

// The names between separators, in order, each a view into `path`. Empty names (a leading,
// doubled or trailing separator) are left out, as Windows reads "a\\b\" as "a\b".
std::vector<std::string_view> SplitPath(std::string_view path,
                                        PathSeparators separators = PathSeparators::kBackslash);

// True when the path starts with a drive: an ASCII letter and a colon.
bool HasDrive(std::string_view path);

// Where the path's last name starts: after its last separator or, without one, after its
// drive ("C:name"); 0 for a bare name.
std::size_t LastNameStart(std::string_view path,
                          PathSeparators separators = PathSeparators::kBackslash);

bool StartsWithSeparator(std::string_view path,
                         PathSeparators separators = PathSeparators::kBackslash);
// True when the last character (not merely the last byte) is a separator.
bool EndsWithSeparator(std::string_view path,
                       PathSeparators separators = PathSeparators::kBackslash);

}  // namespace torvek
