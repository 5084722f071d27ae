#include "common/testing/win32_scripted_user.h"
#include "common/win32/win32_dialog_host.h"
#include "common/win32/win32_message_boxes.h"
#include "tests/dialog/host_under_test.h"

namespace torvek::dialogtest {

namespace {

class Win32UnderTest : public HostUnderTest {
 public:
  Win32UnderTest() : boxes_(win32::MakeMessageBoxes()), host_(win32::MakeDialogHost(*boxes_)) {}

  dialog::DialogHost& Host() override { return *host_; }

  int Run(dialog::Dialog& dialog, const torvek::testing::UserScript& script) override {
    torvek::testing::Win32ScriptedUser user(script);
    user.Start();
    const int result = dialog.DoModal();
    user.Finish();
    faults_.insert(faults_.end(), user.Faults().begin(), user.Faults().end());
    seen_.insert(seen_.end(), user.MessageBoxesSeen().begin(), user.MessageBoxesSeen().end());
    return result;
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

std::unique_ptr<HostUnderTest> HostUnderTest::Make() {
  return std::make_unique<Win32UnderTest>();
}

}  // namespace torvek::dialogtest
