// The headless host: dialogs run with their controls in memory, and a HeadlessUser stands in
// for the person at the screen, acting on the dialog on top one input at a time and answering
// the message boxes. What the host itself cannot model is recorded as a fault, and the dialog
// that closed last can still be read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/dialog/dialog_host.h"
#include "common/portable/headless_window.h"

namespace torvek::portable {

// A message box as the headless host shows it.
struct HeadlessMessageBox {
  platform::WindowRef owner = 0;
  std::string text;
  std::string caption;
  platform::MessageBoxButtons buttons = platform::MessageBoxButtons::kOk;
  platform::MessageBoxIcon icon = platform::MessageBoxIcon::kNone;
};

class HeadlessUser {
 public:
  virtual ~HeadlessUser() = default;
  // The innermost running dialog waits for input: one act on it, or a look at it. False when
  // the user has nothing more to do; the host then ends the dialog as a failed run (-1).
  virtual bool Act(HeadlessWindow& window) = 0;
  // A message box is up over `top`, the innermost running dialog (null when none runs): the
  // button pressed, kFailed when none is.
  virtual platform::MessageBoxAnswer Answer(HeadlessWindow* top, const HeadlessMessageBox& box) = 0;
};

class HeadlessDialogHost : public dialog::DialogHost {
 public:
  HeadlessDialogHost();
  ~HeadlessDialogHost() override;

  // Null, as at the start: nobody acts, so a dialog ends at once as a failed run and a message
  // box answers kFailed.
  void SetUser(HeadlessUser* user) { user_ = user; }
  // What the host could not model or do.
  const std::vector<std::string>& Faults() const { return faults_; }
  // The innermost running dialog; null when none runs.
  HeadlessWindow* Top() { return running_.empty() ? nullptr : running_.back(); }
  // The dialog that closed last, as it looked when it closed; null before any has.
  HeadlessWindow* LastClosed() { return lastClosed_.get(); }
  SystemPalette& Palette() { return palette_; }

  int RunModal(dialog::Dialog& dialog, platform::WindowRef owner) override;
  platform::MessageBoxes& MessageBoxes() override { return boxes_; }
  platform::Colour SystemColourOf(dialog::SystemColour index) override {
    return palette_.Of(index);
  }

 private:
  // Message boxes, answered by the user.
  class UserBoxes : public platform::MessageBoxes {
   public:
    explicit UserBoxes(HeadlessDialogHost& host) : host_(host) {}
    platform::MessageBoxAnswer Show(platform::WindowRef owner, const char* text,
                                    const char* caption, platform::MessageBoxButtons buttons,
                                    platform::MessageBoxIcon icon) override;

   private:
    HeadlessDialogHost& host_;
  };

  HeadlessUser* user_ = nullptr;
  std::vector<std::string> faults_;
  std::vector<HeadlessWindow*> running_;
  std::unique_ptr<HeadlessWindow> lastClosed_;
  UserBoxes boxes_;
  SystemPalette palette_;
  platform::WindowRef nextRef_ = 0x10000;
};

}  // namespace torvek::portable
