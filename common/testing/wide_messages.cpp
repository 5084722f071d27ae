#include "common/testing/wide_messages.h"

#include <vector>

#include "common/text/code_page.h"

namespace torvek::testing {

namespace {
constexpr UINT kTimeoutMs = 5000;
}

LRESULT SendWide(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result))
    return 0;
  return static_cast<LRESULT>(result);
}

std::string Narrow(const wchar_t* text, std::size_t length) {
  std::string narrow;
  if (!Utf16ToCp936(std::u16string_view(reinterpret_cast<const char16_t*>(text), length), narrow))
    narrow.clear();
  return narrow;
}

std::string TextOf(HWND window) {
  const auto length = SendWide(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0)
    return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      SendWide(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return Narrow(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace torvek::testing
