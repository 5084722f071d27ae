// Code page 936 text, character by character: a lead byte 0x81-0xFE and the byte after it are
// one character and are never changed or split, even when the trail byte is '\' (0x5C), '|'
// (0x7C) or an ASCII letter. Only single-byte ASCII letters change case.
#pragma once

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace torvek {

constexpr bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

constexpr bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The same for a UTF-16 unit, for text that has left code page 936.
constexpr char16_t UpperAscii(char16_t c) {
  return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Length in bytes of the character that starts at `pos` (1 or 2; a lead byte at the very end
// stands alone).
std::size_t CharLength(std::string_view text, std::size_t pos);

// True when `pos` is where a character starts, counting from the beginning of `text`.
bool IsCharStart(std::string_view text, std::size_t pos);

// The characters of a text in order, each a view of its one or two bytes:
//   for (std::string_view character : Characters(text)) ...
class Characters {
 public:
  class Iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;

    Iterator() = default;
    Iterator(std::string_view text, std::size_t pos) : text_(text), pos_(pos) {}

    std::string_view operator*() const { return text_.substr(pos_, CharLength(text_, pos_)); }
    Iterator& operator++() {
      pos_ += CharLength(text_, pos_);
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return pos_ == other.pos_; }
    // Where the current character starts in the text.
    std::size_t Position() const { return pos_; }

   private:
    std::string_view text_;
    std::size_t pos_ = 0;
  };

  explicit Characters(std::string_view text) : text_(text) {}
  Iterator begin() const { return Iterator(text_, 0); }
  Iterator end() const { return Iterator(text_, text_.size()); }

 private:
  std::string_view text_;
};

static_assert(std::forward_iterator<Characters::Iterator>);

std::size_t CharacterCount(std::string_view text);

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
