// Code page 936 text, character by character: a lead byte 0x81-0xFE and the byte after it are
// one character and are never changed or split, even when the trail byte is '\' (0x5C) or an
// ASCII letter. Only single-byte ASCII letters change case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace torvek {

constexpr bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// Length in bytes of the character that starts at `pos` (1 or 2; a lead byte at the very end
// stands alone).
std::size_t CharLength(std::string_view text, std::size_t pos);

// True when `pos` is where a character starts, counting from the beginning of `text`.
bool IsCharStart(std::string_view text, std::size_t pos);

void MakeUpperAscii(std::string& text);
std::string ToUpperAscii(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);

// The first character position at or after `from` where `needle` stands, letters compared
// without case; npos when there is none. A match never starts inside a double-byte character.
std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

inline bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
  return FindNoCase(haystack, needle) != std::string_view::npos;
}

}  // namespace torvek
