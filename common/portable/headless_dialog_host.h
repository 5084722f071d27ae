// The headless host: dialogs run with their controls in memory, and a script attached before
// DoModal acts as the user. A test reads what the user saw through Inspect steps, through the
// message boxes shown, and through the last dialog that closed. Whatever a user could not have
// done, and a script that runs out while a dialog is still open, is recorded as a fault; a
// test checks that there are none.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/dialog/dialog_host.h"
#include "common/dialog/user_script.h"
#include "common/portable/headless_window.h"
#include "common/portable/scripted_message_boxes.h"

namespace torvek::portable {

class HeadlessDialogHost : public dialog::DialogHost {
 public:
  HeadlessDialogHost();
  ~HeadlessDialogHost() override;

  // Appends the script's steps to those still waiting.
  void Attach(const dialog::UserScript& script);
  std::size_t StepsLeft() const { return steps_.size(); }
  const std::vector<std::string>& Faults() const { return faults_; }
  // Every message box shown, with its owner, buttons, icon and the answer it got.
  const std::vector<ShownMessageBox>& MessageBoxesShown() const { return boxes_.shown; }
  // The dialog that closed last, as it looked when it closed; null before any has.
  HeadlessWindow* LastClosed() { return lastClosed_.get(); }
  SystemPalette& Palette() { return palette_; }

  int RunModal(dialog::Dialog& dialog, platform::WindowRef owner) override;
  platform::MessageBoxes& MessageBoxes() override { return boxes_; }
  platform::Colour SystemColourOf(dialog::SystemColour index) override {
    return palette_.Of(index);
  }

 private:
  // Message boxes answered by the script's next Answer step.
  class ScriptedBoxes : public platform::MessageBoxes {
   public:
    explicit ScriptedBoxes(HeadlessDialogHost& host) : host_(host) {}
    platform::MessageBoxAnswer Show(platform::WindowRef owner, const char* text,
                                    const char* caption, platform::MessageBoxButtons buttons,
                                    platform::MessageBoxIcon icon) override;
    std::vector<ShownMessageBox> shown;

   private:
    HeadlessDialogHost& host_;
  };

  void Perform(HeadlessWindow& window, const dialog::UserStep& step);
  void Idle(HeadlessWindow& window, int milliseconds);
  void Fault(std::string text) { faults_.push_back(std::move(text)); }

  std::deque<dialog::UserStep> steps_;
  std::vector<std::string> faults_;
  std::vector<HeadlessWindow*> running_;
  std::unique_ptr<HeadlessWindow> lastClosed_;
  ScriptedBoxes boxes_;
  SystemPalette palette_;
  platform::WindowRef nextRef_ = 0x10000;
};

}  // namespace torvek::portable
