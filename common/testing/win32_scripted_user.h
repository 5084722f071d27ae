// For tests: a user acting on the real dialogs of this process's current thread, from a thread
// of its own, step by step from a UserScript, through the window driver. After each act it
// waits until the dialogs' thread has handled it, so that the next step sees its effect.
#pragma once

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "common/testing/user_script.h"

namespace torvek::testing {

class Win32ScriptedUser {
 public:
  // To be made on the thread that runs the dialogs.
  explicit Win32ScriptedUser(UserScript script, std::uint32_t stepTimeoutMs = 10000);
  ~Win32ScriptedUser();
  Win32ScriptedUser(const Win32ScriptedUser&) = delete;
  Win32ScriptedUser& operator=(const Win32ScriptedUser&) = delete;

  // Just before the dialogs run.
  void Start();
  // After they have: waits for the user to be done.
  void Finish();

  // Steps no user could have taken, message boxes nobody answered, dialogs left open.
  const std::vector<std::string>& Faults() const { return faults_; }
  const std::vector<SeenMessageBox>& MessageBoxesSeen() const { return boxes_; }

 private:
  void Run();
  void Perform(const UserStep& step);
  bool AnswerBox(const UserStep& step);
  std::uintptr_t WaitForTop(bool wantBox);
  void Sync(std::uintptr_t window);
  void CloseWhatIsLeft();

  UserScript script_;
  std::uint32_t timeoutMs_;
  std::uint32_t uiThread_;
  std::uintptr_t hook_ = 0;
  std::thread user_;
  std::vector<std::string> faults_;
  std::vector<SeenMessageBox> boxes_;
};

}  // namespace torvek::testing
