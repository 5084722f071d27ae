#include <windows.h>

#include "common/testing/window_automation.h"
#include "common/text/code_page.h"

namespace torvek::testing {

namespace {

struct Search {
  std::u16string caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window))
    return TRUE;
  wchar_t title[256] = {};
  const int length = GetWindowTextW(window, title, 256);
  if (length < 0 || search->caption != std::u16string(reinterpret_cast<char16_t*>(title),
                                                      static_cast<std::size_t>(length))) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

// The static control that shows a message box's text.
constexpr int kMessageTextId = 0xFFFF;

}  // namespace

bool AnswerMessageBox(const char* caption, int buttonId, std::uint32_t timeoutMs,
                      std::u16string& text) {
  Search search;
  if (!Cp936ToUtf16(caption, search.caption))
    return false;
  const DWORD start = GetTickCount();
  while (search.found == nullptr) {
    if (GetTickCount() - start > timeoutMs)
      return false;
    Sleep(20);
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  }
  wchar_t buffer[1024] = {};
  const int length = GetDlgItemTextW(search.found, kMessageTextId, buffer, 1024);
  text.assign(reinterpret_cast<char16_t*>(buffer), static_cast<std::size_t>(length));
  HWND button = GetDlgItem(search.found, buttonId);
  PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  return true;
}

}  // namespace torvek::testing
