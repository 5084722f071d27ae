// For tests: a user acting on the real dialogs of this process's current thread, from a thread
// of its own, step by step from a UserScript, through the window driver. After each act it
// waits until the dialogs' thread has handled it, so that the next step sees its effect.
#pragma once

#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "common/dialog/user_script.h"

namespace torvek::win32 {

class ScriptedUser {
 public:
  // To be made on the thread that runs the dialogs.
  explicit ScriptedUser(dialog::UserScript script, std::uint32_t stepTimeoutMs = 10000);
  ~ScriptedUser();
  ScriptedUser(const ScriptedUser&) = delete;
  ScriptedUser& operator=(const ScriptedUser&) = delete;

  // Just before the dialogs run.
  void Start();
  // After they have: waits for the user to be done.
  void Finish();

  // Steps no user could have taken, message boxes nobody answered, dialogs left open.
  const std::vector<std::string>& Faults() const { return faults_; }
  const std::vector<dialog::SeenMessageBox>& MessageBoxesSeen() const { return boxes_; }

 private:
  void Run();
  void Perform(const dialog::UserStep& step);
  bool AnswerBox(const dialog::UserStep& step);
  std::uintptr_t WaitForTop(bool wantBox);
  void Sync(std::uintptr_t window);
  void CloseWhatIsLeft();

  dialog::UserScript script_;
  std::uint32_t timeoutMs_;
  std::uint32_t uiThread_;
  std::uintptr_t hook_ = 0;
  std::thread user_;
  std::vector<std::string> faults_;
  std::vector<dialog::SeenMessageBox> boxes_;
};

}  // namespace torvek::win32
