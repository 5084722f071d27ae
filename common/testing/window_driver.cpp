#include <windows.h>

#include <vector>

#include "common/testing/wide_messages.h"
#include "common/testing/window_driver.h"
#include "common/text/code_page.h"

namespace torvek::testing {

namespace {

// How long a program that is being ended is given to go.
constexpr DWORD kEndingMs = 5000;

HWND AsWindow(WindowRef window) {
  return reinterpret_cast<HWND>(window);
}

std::u16string Wide(std::string_view text) {
  std::u16string wide;
  Cp936ToUtf16(text, wide);
  return wide;
}

HWND UsableControl(WindowRef dialog, int id, std::string& fault) {
  HWND control = GetDlgItem(AsWindow(dialog), id);
  if (control == nullptr)
    fault = "the dialog has no control " + std::to_string(id);
  else if (!IsWindowVisible(control))
    fault = "control " + std::to_string(id) + " is hidden";
  else if (!IsWindowEnabled(control))
    fault = "control " + std::to_string(id) + " is disabled";
  else
    return control;
  return nullptr;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  const int length = GetClassNameW(window, name, 64);
  return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

bool IsClass(HWND window, const wchar_t* name) {
  return lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

// The sent messages below reach the window's thread in the order sent, without waiting for it:
// a click whose handler opens a message box must not hold the user up.
void Notify(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SendNotifyMessageW(window, message, wParam, lParam);
}

// Keys go through the dialog's message loop, where the dialog manager turns them into
// commands: posted to whatever has the focus in the dialog's thread.
void PostKey(WindowRef dialog, WPARAM key) {
  HWND target = AsWindow(dialog);
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (GetGUIThreadInfo(GetWindowThreadProcessId(target, nullptr), &info) &&
      info.hwndFocus != nullptr && IsChild(target, info.hwndFocus))
    target = info.hwndFocus;
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  PostMessageW(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
  PostMessageW(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
}

struct WindowSearch {
  DWORD processId;
  std::u16string title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if ((search->processId != 0 && process != search->processId) || !IsWindowVisible(window))
    return TRUE;
  wchar_t title[512] = {};
  const int length = GetWindowTextW(window, title, 512);
  if (length < 0 || search->title != std::u16string(reinterpret_cast<char16_t*>(title),
                                                    static_cast<std::size_t>(length)))
    return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK FirstReachable(HWND window, LPARAM context) {
  if (!IsWindowVisible(window) || !IsWindowEnabled(window))
    return TRUE;
  *reinterpret_cast<HWND*>(context) = window;
  return FALSE;
}

int ButtonIdOf(platform::MessageBoxAnswer answer) {
  return static_cast<int>(answer);
}

}  // namespace

bool StartProgram(std::string_view commandLine, std::string_view directory,
                  StartedProgram& program) {
  std::u16string line = Wide(commandLine);
  const std::u16string folder = Wide(directory);
  line.push_back(u'\0');
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, FALSE, 0,
                      nullptr,
                      folder.empty() ? nullptr : reinterpret_cast<const wchar_t*>(folder.c_str()),
                      &startup, &info))
    return false;
  CloseHandle(info.hThread);
  program.process = reinterpret_cast<std::uintptr_t>(info.hProcess);
  program.processId = info.dwProcessId;
  return true;
}

bool WaitForExit(const StartedProgram& program, std::uint32_t timeoutMs, std::uint32_t& exitCode) {
  HANDLE process = reinterpret_cast<HANDLE>(program.process);
  if (process == nullptr || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0)
    return false;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  exitCode = code;
  return true;
}

void EndProgram(StartedProgram& program) {
  HANDLE process = reinterpret_cast<HANDLE>(program.process);
  if (process == nullptr)
    return;
  if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, kEndingMs);
  }
  CloseHandle(process);
  program = {};
}

std::string ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH)
    return {};
  std::wstring folder(path, length);
  const std::size_t slash = folder.find_last_of(L'\\');
  if (slash != std::wstring::npos)
    folder.resize(slash);
  return Narrow(folder.c_str(), folder.size());
}

WindowRef WaitForWindow(std::uint32_t processId, std::string_view title, std::uint32_t timeoutMs) {
  WindowSearch search{processId, Wide(title), nullptr};
  const DWORD start = GetTickCount();
  for (;;) {
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr)
      return reinterpret_cast<WindowRef>(search.found);
    if (GetTickCount() - start > timeoutMs)
      return 0;
    Sleep(20);
  }
}

WindowRef TopWindowOfThread(std::uint32_t threadId) {
  HWND found = nullptr;
  EnumThreadWindows(threadId, FirstReachable, reinterpret_cast<LPARAM>(&found));
  return reinterpret_cast<WindowRef>(found);
}

std::uint32_t ThreadOf(WindowRef window) {
  return GetWindowThreadProcessId(AsWindow(window), nullptr);
}

bool WindowExists(WindowRef window) {
  return IsWindow(AsWindow(window)) != FALSE;
}

bool ScreenRect(WindowRef dialog, int id, platform::Rect& rect) {
  HWND window = id == 0 ? AsWindow(dialog) : GetDlgItem(AsWindow(dialog), id);
  RECT client;
  if (window == nullptr || !GetClientRect(window, &client))
    return false;
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  rect = {client.left, client.top, client.right, client.bottom};
  return true;
}

bool Click(WindowRef dialog, int id, std::string& fault) {
  HWND control = UsableControl(dialog, id, fault);
  if (control == nullptr)
    return false;
  if (IsClass(control, L"Button")) {
    Notify(control, BM_CLICK, 0, 0);
  } else {
    Notify(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    Notify(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  }
  return true;
}

bool TypeText(WindowRef dialog, int id, std::string_view text, std::string& fault) {
  HWND control = UsableControl(dialog, id, fault);
  if (control == nullptr)
    return false;
  if (!IsClass(control, L"Edit") || (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0) {
    fault = "control " + std::to_string(id) + " takes no typing";
    return false;
  }
  std::u16string wide;
  if (!Cp936ToUtf16(text, wide)) {
    fault = "the text is not code page 936";
    return false;
  }
  Notify(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  Notify(control, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  Notify(control, EM_SETSEL, 0, -1);
  if (wide.empty())
    Notify(control, WM_CLEAR, 0, 0);
  for (char16_t unit : wide)
    Notify(control, WM_CHAR, unit, 1);
  return true;
}

bool SelectRow(WindowRef dialog, int id, int row, std::string& fault) {
  HWND control = UsableControl(dialog, id, fault);
  if (control == nullptr)
    return false;
  if (!IsClass(control, L"ListBox")) {
    fault = "control " + std::to_string(id) + " is not a list box";
    return false;
  }
  const auto count = SendWide(control, LB_GETCOUNT, 0, 0);
  if (row < 0 || row >= count) {
    fault = "list box " + std::to_string(id) + " has no row " + std::to_string(row);
    return false;
  }
  RECT item{};
  RECT client{};
  GetClientRect(control, &client);
  SendWide(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  if (item.top < client.top || item.bottom > client.bottom) {
    // Scrolled out of sight: a user scrolls to it first.
    SendWide(control, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    SendWide(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  Notify(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Notify(control, WM_LBUTTONUP, 0, point);
  return true;
}

void PressEnter(WindowRef dialog) {
  PostKey(dialog, VK_RETURN);
}

void PostCommand(WindowRef dialog, int id) {
  PostMessageW(AsWindow(dialog), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(AsWindow(dialog), id)));
}

void PressEscape(WindowRef dialog) {
  PostKey(dialog, VK_ESCAPE);
}

void PressCloseBox(WindowRef dialog) {
  PostMessageW(AsWindow(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool ReadMessageBox(WindowRef box, std::string& caption, std::string& text) {
  // The static control that shows a message box's text.
  constexpr int kMessageTextId = 0xFFFF;
  caption = TextOf(AsWindow(box));
  HWND message = GetDlgItem(AsWindow(box), kMessageTextId);
  text = message != nullptr ? TextOf(message) : std::string();
  return message != nullptr;
}

bool AnswerMessageBox(WindowRef box, platform::MessageBoxAnswer answer) {
  HWND button = GetDlgItem(AsWindow(box), ButtonIdOf(answer));
  if (button == nullptr || !IsWindowVisible(button))
    return false;
  PostMessageW(AsWindow(box), WM_COMMAND, MAKEWPARAM(ButtonIdOf(answer), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
  return true;
}

void SettleSent(WindowRef window, std::uint32_t timeoutMs) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(AsWindow(window), WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result);
}

}  // namespace torvek::testing
