#include "common/portable/headless_dialog_host.h"
#include "tests/wizard/wizard_user.h"

namespace torvek::setup::testing {

namespace {

class HeadlessUser : public WizardUser {
 public:
  dialog::DialogHost& Host() override { return host_; }

  void Run(const std::function<void()>& dialogs, const dialog::UserScript& script) override {
    host_.Attach(script);
    dialogs();
    leftOver_ += host_.StepsLeft();
  }

  std::vector<std::string> Faults() override {
    std::vector<std::string> faults = host_.Faults();
    if (leftOver_ != 0)
      faults.push_back(std::to_string(leftOver_) + " steps were left when the dialogs closed");
    return faults;
  }

  std::vector<dialog::SeenMessageBox> MessageBoxesSeen() override {
    std::vector<dialog::SeenMessageBox> seen;
    for (const portable::ShownMessageBox& box : host_.MessageBoxesShown())
      seen.push_back({box.owner, box.caption, box.text, box.answer});
    return seen;
  }

  bool RealWindows() const override { return false; }

 private:
  portable::HeadlessDialogHost host_;
  std::size_t leftOver_ = 0;
};

}  // namespace

std::unique_ptr<WizardUser> WizardUser::Make() {
  return std::make_unique<HeadlessUser>();
}

}  // namespace torvek::setup::testing
