#include "common/text/cp936_text.h"

namespace torvek {

namespace {

// Compares `needle` with the bytes of `haystack` at `pos`, as characters: a double-byte
// character matches only itself, byte for byte.
bool MatchesAt(std::string_view haystack, std::size_t pos, std::string_view needle) {
  if (haystack.size() - pos < needle.size())
    return false;
  for (std::size_t i = 0; i < needle.size();) {
    const std::size_t length = CharLength(needle, i);
    if (length == 2) {
      if (haystack[pos + i] != needle[i] || haystack[pos + i + 1] != needle[i + 1])
        return false;
    } else if (UpperAscii(haystack[pos + i]) != UpperAscii(needle[i])) {
      return false;
    }
    i += length;
  }
  // The match must end on a character boundary of the haystack too.
  return pos + needle.size() == haystack.size() || IsCharStart(haystack.substr(pos), needle.size());
}

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t pos) {
  return (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size()) ? 2 : 1;
}

bool IsCharStart(std::string_view text, std::size_t pos) {
  std::size_t i = 0;
  while (i < pos)
    i += CharLength(text, i);
  return i == pos;
}

std::size_t CharacterCount(std::string_view text) {
  const Characters characters(text);
  return static_cast<std::size_t>(std::distance(characters.begin(), characters.end()));
}

void MakeUpperAscii(std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLength(text, i);
    if (length == 1)
      text[i] = UpperAscii(text[i]);
    i += length;
  }
}

std::string ToUpperAscii(std::string_view text) {
  std::string upper(text);
  MakeUpperAscii(upper);
  return upper;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && MatchesAt(a, 0, b);
}

std::size_t FindNoCase(std::string_view haystack, std::string_view needle, std::size_t from) {
  std::size_t pos = 0;
  while (pos < from && pos < haystack.size())
    pos += CharLength(haystack, pos);
  for (; pos + needle.size() <= haystack.size(); pos += CharLength(haystack, pos)) {
    if (MatchesAt(haystack, pos, needle))
      return pos;
    if (pos == haystack.size())
      break;
  }
  return std::string_view::npos;
}

}  // namespace torvek
