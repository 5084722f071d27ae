#include "common/portable/headless_dialog_host.h"
#include "common/testing/headless_user.h"
#include "tests/wizard/wizard_user.h"

namespace torvek::setup::testing {

namespace {

class HeadlessWizardUser : public WizardUser {
 public:
  dialog::DialogHost& Host() override { return host_; }

  void Run(const std::function<void()>& dialogs,
           const torvek::testing::UserScript& script) override {
    user_.Attach(script);
    dialogs();
    leftOver_ += user_.StepsLeft();
  }

  std::vector<std::string> Faults() override {
    std::vector<std::string> faults = user_.Faults();
    if (leftOver_ != 0)
      faults.push_back(std::to_string(leftOver_) + " steps were left when the dialogs closed");
    return faults;
  }

  std::vector<torvek::testing::SeenMessageBox> MessageBoxesSeen() override {
    std::vector<torvek::testing::SeenMessageBox> seen;
    for (const torvek::testing::ShownMessageBox& box : user_.MessageBoxesShown())
      seen.push_back({box.owner, box.caption, box.text, box.answer});
    return seen;
  }

  bool RealWindows() const override { return false; }

 private:
  portable::HeadlessDialogHost host_;
  torvek::testing::HeadlessScriptedUser user_{host_};
  std::size_t leftOver_ = 0;
};

}  // namespace

std::unique_ptr<WizardUser> WizardUser::Make() {
  return std::make_unique<HeadlessWizardUser>();
}

}  // namespace torvek::setup::testing
