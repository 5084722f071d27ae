#include <windows.h>

#include <atomic>

#include "common/testing/win32_scripted_user.h"
#include "common/testing/window_driver.h"

namespace torvek::testing {

namespace {

// Counts the sync messages the dialogs' thread has taken from its queue: once it has taken one
// that was posted after an act, every message the act posted before it has been handled.
std::atomic<unsigned> syncsTaken{0};

UINT SyncMessage() {
  static const UINT message = RegisterWindowMessageW(L"TorvekScriptedUserSync");
  return message;
}

LRESULT CALLBACK WatchQueue(int code, WPARAM removal, LPARAM message) {
  if (code == HC_ACTION && removal == PM_REMOVE &&
      reinterpret_cast<const MSG*>(message)->message == SyncMessage())
    syncsTaken.fetch_add(1);
  return CallNextHookEx(nullptr, code, removal, message);
}

bool IsMessageBox(WindowRef window) {
  constexpr int kMessageTextId = 0xFFFF;
  return GetDlgItem(reinterpret_cast<HWND>(window), kMessageTextId) != nullptr;
}

}  // namespace

Win32ScriptedUser::Win32ScriptedUser(UserScript script, std::uint32_t stepTimeoutMs)
    : script_(std::move(script)), timeoutMs_(stepTimeoutMs), uiThread_(GetCurrentThreadId()) {
  SyncMessage();
}

Win32ScriptedUser::~Win32ScriptedUser() {
  Finish();
}

void Win32ScriptedUser::Start() {
  hook_ = reinterpret_cast<std::uintptr_t>(
      SetWindowsHookExW(WH_GETMESSAGE, WatchQueue, nullptr, uiThread_));
  if (hook_ == 0)
    faults_.push_back("the dialogs' message queue cannot be watched");
  user_ = std::thread([this] { Run(); });
}

void Win32ScriptedUser::Finish() {
  if (user_.joinable())
    user_.join();
  if (hook_ != 0)
    UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook_));
  hook_ = 0;
}

void Win32ScriptedUser::Run() {
  for (const UserStep& step : script_.Steps())
    Perform(step);
  CloseWhatIsLeft();
}

std::uintptr_t Win32ScriptedUser::WaitForTop(bool wantBox) {
  const DWORD start = GetTickCount();
  for (;;) {
    const WindowRef top = TopWindowOfThread(uiThread_);
    if (top != 0 && (!wantBox || IsMessageBox(top)))
      return top;
    if (GetTickCount() - start > timeoutMs_)
      return 0;
    Sleep(10);
  }
}

void Win32ScriptedUser::Perform(const UserStep& step) {
  if (step.kind == UserStep::Kind::kIdle) {
    Sleep(static_cast<DWORD>(step.number));
    return;
  }
  if (step.kind == UserStep::Kind::kAnswer) {
    AnswerBox(step);
    return;
  }
  WindowRef top = WaitForTop(false);
  if (top == 0) {
    faults_.push_back("no dialog is showing for a step of kind " +
                      std::to_string(static_cast<int>(step.kind)));
    return;
  }
  if (IsMessageBox(top)) {
    std::string caption;
    std::string text;
    ReadMessageBox(top, caption, text);
    faults_.push_back("the message box \"" + caption + "\" (" + text +
                      ") was not answered by the script");
    AnswerMessageBox(top, platform::MessageBoxAnswer::kCancel);
    Sync(top);
    top = WaitForTop(false);
    if (top == 0)
      return;
  }
  std::string fault;
  bool done = true;
  switch (step.kind) {
    case UserStep::Kind::kClick:
      done = Click(top, step.id, fault);
      break;
    case UserStep::Kind::kType:
      done = TypeText(top, step.id, step.text, fault);
      break;
    case UserStep::Kind::kSelect:
      done = SelectRow(top, step.id, step.number, fault);
      break;
    case UserStep::Kind::kEnter:
      PressEnter(top);
      break;
    case UserStep::Kind::kCommand:
      PostCommand(top, step.id);
      break;
    case UserStep::Kind::kEscape:
      PressEscape(top);
      break;
    case UserStep::Kind::kCloseBox:
      PressCloseBox(top);
      break;
    case UserStep::Kind::kInspect:
      if (step.inspect)
        step.inspect(*ViewOf(top));
      return;
    case UserStep::Kind::kAnswer:
    case UserStep::Kind::kIdle:
      return;
  }
  if (!done)
    faults_.push_back(fault);
  Sync(top);
}

bool Win32ScriptedUser::AnswerBox(const UserStep& step) {
  const WindowRef box = WaitForTop(true);
  if (box == 0) {
    faults_.push_back("no message box is showing");
    return false;
  }
  SeenMessageBox seen;
  seen.owner = reinterpret_cast<WindowRef>(GetWindow(reinterpret_cast<HWND>(box), GW_OWNER));
  ReadMessageBox(box, seen.caption, seen.text);
  seen.answer = step.answer;
  boxes_.push_back(seen);
  if (!AnswerMessageBox(box, step.answer)) {
    faults_.push_back("the message box \"" + seen.caption + "\" has no button for the answer " +
                      std::to_string(static_cast<int>(step.answer)));
    return false;
  }
  Sync(box);
  return true;
}

void Win32ScriptedUser::Sync(std::uintptr_t window) {
  if (WindowExists(window))
    SettleSent(window, timeoutMs_);
  // Twice: what the first round's messages posted in turn is handled by the second.
  for (int round = 0; round < 2; ++round) {
    const unsigned before = syncsTaken.load();
    PostThreadMessageW(uiThread_, SyncMessage(), 0, 0);
    const DWORD start = GetTickCount();
    while (syncsTaken.load() == before) {
      if (TopWindowOfThread(uiThread_) == 0 || GetTickCount() - start > timeoutMs_)
        return;
      Sleep(1);
    }
  }
}

void Win32ScriptedUser::CloseWhatIsLeft() {
  const DWORD start = GetTickCount();
  bool reported = false;
  for (;;) {
    const WindowRef top = TopWindowOfThread(uiThread_);
    if (top == 0)
      return;
    // The last step may still be closing the dialog; give it a moment before calling it left.
    if (GetTickCount() - start < 500) {
      Sleep(10);
      continue;
    }
    if (!reported) {
      std::string title;
      std::string text;
      ReadMessageBox(top, title, text);
      faults_.push_back("the script ended while \"" + title + "\" was open");
      reported = true;
    }
    PostMessageW(reinterpret_cast<HWND>(top), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Sleep(100);
  }
}

}  // namespace torvek::testing
