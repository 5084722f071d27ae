#include "common/portable/reg_file_syntax.h"

#include "common/text/cp936_text.h"

namespace torvek::portable::reg_syntax {

namespace {

constexpr Root kRoots[] = {
    {u"HKEY_LOCAL_MACHINE", platform::kLocalMachine},
    {u"HKEY_CURRENT_USER", platform::kCurrentUser},
};

}  // namespace

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  if (text.size() < prefix.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (UpperAscii(text[i]) != UpperAscii(prefix[i]))
      return false;
  }
  return true;
}

const Root* FindRoot(std::u16string_view name) {
  for (const Root& root : kRoots) {
    if (name.size() == root.name.size() && StartsWithNoCase(name, root.name))
      return &root;
  }
  return nullptr;
}

bool IsStringType(std::uint32_t type) {
  return type == platform::kRegSz || type == platform::kRegExpandSz ||
         type == platform::kRegMultiSz;
}

std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t c : text) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return bytes;
}

}  // namespace torvek::portable::reg_syntax
