// For tests: the person at the headless host's screen, acting from a UserScript. Each step goes
// to the dialog on top; while a message box is up only Inspect steps and its Answer may come.
// A step no user could take, a box the script does not answer and a script that runs out while
// a dialog is open are faults, as are the host's own; a test checks that there are none.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/portable/headless_dialog_host.h"
#include "common/testing/scripted_message_boxes.h"
#include "common/testing/user_script.h"

namespace torvek::testing {

class HeadlessScriptedUser : public portable::HeadlessUser {
 public:
  // Acts on `host`'s dialogs from now until it is destroyed.
  explicit HeadlessScriptedUser(portable::HeadlessDialogHost& host);
  ~HeadlessScriptedUser() override;
  HeadlessScriptedUser(const HeadlessScriptedUser&) = delete;
  HeadlessScriptedUser& operator=(const HeadlessScriptedUser&) = delete;

  // Appends the script's steps to those still waiting.
  void Attach(const UserScript& script);
  std::size_t StepsLeft() const { return steps_.size(); }
  // The host's faults, then the script's.
  std::vector<std::string> Faults() const;
  // Every message box shown, with its owner, buttons, icon and the answer it got.
  const std::vector<ShownMessageBox>& MessageBoxesShown() const { return shown_; }

  bool Act(portable::HeadlessWindow& window) override;
  platform::MessageBoxAnswer Answer(portable::HeadlessWindow* top,
                                    const portable::HeadlessMessageBox& box) override;

 private:
  void Perform(portable::HeadlessWindow& window, const UserStep& step);
  void Fault(std::string text) { faults_.push_back(std::move(text)); }

  portable::HeadlessDialogHost& host_;
  std::deque<UserStep> steps_;
  std::vector<std::string> faults_;
  std::vector<ShownMessageBox> shown_;
};

}  // namespace torvek::testing
