// Acting on real windows as a user would, in this process or another: start a program, wait
// for its window, click, type, pick list rows, press keys, answer message boxes. Texts go in
// and come out in code page 936; across processes every call goes through the W messages,
// since the A ones lose text on the way (LB_GETTEXT among them). This is the driver the
// end-to-end tests use under Wine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/dialog/dialog_view.h"
#include "common/platform/message_box.h"

namespace torvek::testing {

using platform::WindowRef;

struct StartedProgram {
  std::uintptr_t process = 0;  // a process HANDLE
  std::uint32_t processId = 0;
};

// CreateProcessW of `commandLine` in `directory` (empty: this process's). False when the
// program cannot be started.
bool StartProgram(std::string_view commandLine, std::string_view directory,
                  StartedProgram& program);
// False when the program is still running after `timeoutMs`.
bool WaitForExit(const StartedProgram& program, std::uint32_t timeoutMs, std::uint32_t& exitCode);
// Ends the program if it still runs, and lets go of it.
void EndProgram(StartedProgram& program);

// The folder of the running program, without a trailing backslash.
std::string ProgramFolder();

// A visible top-level window of `processId` (0: of any process) titled `title`; 0 when none
// appeared within `timeoutMs`.
WindowRef WaitForWindow(std::uint32_t processId, std::string_view title, std::uint32_t timeoutMs);
// The visible, enabled top-level window of `threadId` nearest the top (a modal dialog disables
// its owner, so this is the one the user can reach); 0 when there is none.
WindowRef TopWindowOfThread(std::uint32_t threadId);
std::uint32_t ThreadOf(WindowRef window);
bool WindowExists(WindowRef window);
// Where the control `id` of `dialog` is on the screen (0: the dialog's client area).
bool ScreenRect(WindowRef dialog, int id, platform::Rect& rect);

// The user's acts. False when the control is missing, hidden or disabled (no user could act on
// it), or when the act makes no sense for it; `fault` then says why.
bool Click(WindowRef dialog, int id, std::string& fault);
bool TypeText(WindowRef dialog, int id, std::string_view text, std::string& fault);
bool SelectRow(WindowRef dialog, int id, int row, std::string& fault);
void PressEnter(WindowRef dialog);
// WM_COMMAND with BN_CLICKED of the button `id`, posted whatever the button's state.
void PostCommand(WindowRef dialog, int id);
void PressEscape(WindowRef dialog);
void PressCloseBox(WindowRef dialog);

// A message box's caption and text, as it shows them.
bool ReadMessageBox(WindowRef box, std::string& caption, std::string& text);
// Presses the box's button for `answer`; false when the box has no such button.
bool AnswerMessageBox(WindowRef box, platform::MessageBoxAnswer answer);

// Waits until the window's thread has dealt with what was sent to it (not what was posted).
void SettleSent(WindowRef window, std::uint32_t timeoutMs);

// What the user sees of `dialog`. The colour answers and fonts can only be read in the
// dialog's own process; elsewhere they read as false.
std::unique_ptr<dialog::DialogView> ViewOf(WindowRef dialog);

}  // namespace torvek::testing
