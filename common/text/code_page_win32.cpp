// Code page 936 through the system's own tables, as every ANSI call of the programs uses them.
#include <windows.h>

#include "common/text/code_page.h"

namespace torvek {

namespace {
constexpr UINT kCodePage = 936;
}

bool Cp936ToUtf16(std::string_view text, std::u16string& out) {
  out.clear();
  if (text.empty())
    return true;
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0)
    return false;
  out.resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, text.data(), size,
                             reinterpret_cast<wchar_t*>(out.data()), length) == length;
}

bool Utf16ToCp936(std::u16string_view text, std::string& out) {
  out.clear();
  if (text.empty())
    return true;
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(kCodePage, 0, wide, size, nullptr, 0, nullptr, &lossy);
  if (length <= 0 || lossy)
    return false;
  out.resize(static_cast<std::size_t>(length));
  return WideCharToMultiByte(kCodePage, 0, wide, size, out.data(), length, nullptr, &lossy) ==
             length &&
         !lossy;
}

}  // namespace torvek
