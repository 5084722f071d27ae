#include "common/testing/win32_scripted_user.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "tests/wizard/wizard_user.h"

namespace torvek::setup::testing {

namespace {

class RealWindowsUser : public WizardUser {
 public:
  RealWindowsUser() : boxes_(win32::MakeMessageBoxes()), host_(win32::MakeDialogHost(*boxes_)) {}

  dialog::DialogHost& Host() override { return *host_; }

  void Run(const std::function<void()>& dialogs,
           const torvek::testing::UserScript& script) override {
    torvek::testing::Win32ScriptedUser user(script);
    user.Start();
    dialogs();
    user.Finish();
    faults_.insert(faults_.end(), user.Faults().begin(), user.Faults().end());
    seen_.insert(seen_.end(), user.MessageBoxesSeen().begin(), user.MessageBoxesSeen().end());
  }

  std::vector<std::string> Faults() override { return faults_; }
  std::vector<torvek::testing::SeenMessageBox> MessageBoxesSeen() override { return seen_; }
  bool RealWindows() const override { return true; }

 private:
  std::unique_ptr<platform::MessageBoxes> boxes_;
  std::unique_ptr<dialog::DialogHost> host_;
  std::vector<std::string> faults_;
  std::vector<torvek::testing::SeenMessageBox> seen_;
};

}  // namespace

std::unique_ptr<WizardUser> WizardUser::Make() {
  return std::make_unique<RealWindowsUser>();
}

}  // namespace torvek::setup::testing
