// What the .reg reader and the .reg writer share: the two headers, the root keys, and the
// value types whose data is text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/platform/registry.h"
#include "common/portable/reg_file.h"

namespace torvek::portable::reg_syntax {

inline constexpr std::u16string_view kHeader4 = u"REGEDIT4";
inline constexpr std::u16string_view kHeader5 = u"Windows Registry Editor Version 5.00";

struct Root {
  std::u16string_view name;
  platform::RegKey key;
};

// The root key a name stands for, compared without case; null for any other name.
const Root* FindRoot(std::u16string_view name);

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix);

// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ: data that version 5.00 writes as UTF-16LE.
bool IsStringType(std::uint32_t type);

std::vector<std::uint8_t> Utf16LeBytes(std::u16string_view text);

inline RegFileResult Error(std::size_t line, const char* message) {
  return {line, message};
}

}  // namespace torvek::portable::reg_syntax
