#pragma once

#include <string>
#include <string_view>

namespace torvek {

// Removes one trailing backslash character, if the path ends with one, so that a name can be
// appended with "%s\%s". The last character of "...乗" is a double-byte character whose trail
// byte is 0x5C; it is not a backslash and stays.
std::string StripTrailingBackslash(std::string_view path);

}  // namespace torvek
