// Code page 936 through glibc's iconv, whose CP936 table is Microsoft's.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "common/text/code_page.h"

namespace torvek {

namespace {

bool Convert(const char* to, const char* from, const char* input, std::size_t inputSize,
             std::vector<char>& output) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    return false;
  output.assign(inputSize * 2 + 8, '\0');
  char* in = const_cast<char*>(input);
  std::size_t inLeft = inputSize;
  char* out = output.data();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
  iconv_close(cd);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0)
    return false;
  output.resize(output.size() - outLeft);
  return true;
}

// Every conversion opens iconv afresh; ASCII, which code page 936 keeps as it is, needs none.
// Registry names and .reg lines are mostly ASCII, and a name is converted at every lookup.
template <typename Char>
bool IsAscii(std::basic_string_view<Char> text) {
  return std::all_of(text.begin(), text.end(),
                     [](Char c) { return static_cast<char32_t>(c) < 0x80; });
}

}  // namespace

bool Cp936ToUtf16(std::string_view text, std::u16string& out) {
  if (IsAscii(text)) {
    out.assign(text.begin(), text.end());
    return true;
  }
  std::vector<char> bytes;
  if (!Convert("UTF-16LE", "CP936", text.data(), text.size(), bytes))
    return false;
  out.resize(bytes.size() / 2);
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return true;
}

bool Utf16ToCp936(std::u16string_view text, std::string& out) {
  if (IsAscii(text)) {
    out.assign(text.begin(), text.end());
    return true;
  }
  std::vector<char> bytes(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  std::vector<char> converted;
  if (!Convert("CP936", "UTF-16LE", bytes.data(), bytes.size(), converted))
    return false;
  out.assign(converted.begin(), converted.end());
  return true;
}

}  // namespace torvek
