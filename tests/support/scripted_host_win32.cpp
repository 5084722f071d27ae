#include "common/testing/win32_scripted_user.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "tests/support/scripted_host.h"

namespace torvek::testing {

namespace {

class Win32ScriptedHost : public ScriptedHost {
 public:
  Win32ScriptedHost() : boxes_(win32::MakeMessageBoxes()), host_(win32::MakeDialogHost(*boxes_)) {}

  dialog::DialogHost& Host() override { return *host_; }

  void Run(const std::function<void()>& dialogs, const UserScript& script) override {
    Win32ScriptedUser user(script);
    user.Start();
    dialogs();
    user.Finish();
    faults_.insert(faults_.end(), user.Faults().begin(), user.Faults().end());
    seen_.insert(seen_.end(), user.MessageBoxesSeen().begin(), user.MessageBoxesSeen().end());
  }

  std::vector<std::string> Faults() override { return faults_; }
  std::vector<SeenMessageBox> MessageBoxesSeen() override { return seen_; }
  bool RealWindows() const override { return true; }

 private:
  std::unique_ptr<platform::MessageBoxes> boxes_;
  std::unique_ptr<dialog::DialogHost> host_;
  std::vector<std::string> faults_;
  std::vector<SeenMessageBox> seen_;
};

}  // namespace

std::unique_ptr<ScriptedHost> ScriptedHost::Make() {
  return std::make_unique<Win32ScriptedHost>();
}

}  // namespace torvek::testing
