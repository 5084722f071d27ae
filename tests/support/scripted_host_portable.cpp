#include "common/portable/headless_dialog_host.h"
#include "common/testing/headless_user.h"
#include "tests/support/scripted_host.h"

namespace torvek::testing {

namespace {

class HeadlessScriptedHost : public ScriptedHost {
 public:
  dialog::DialogHost& Host() override { return host_; }

  void Run(const std::function<void()>& dialogs, const UserScript& script) override {
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

  std::vector<SeenMessageBox> MessageBoxesSeen() override {
    std::vector<SeenMessageBox> seen;
    for (const ShownMessageBox& box : user_.MessageBoxesShown())
      seen.push_back({box.owner, box.caption, box.text, box.answer});
    return seen;
  }

  bool RealWindows() const override { return false; }

 private:
  portable::HeadlessDialogHost host_;
  HeadlessScriptedUser user_{host_};
  std::size_t leftOver_ = 0;
};

}  // namespace

std::unique_ptr<ScriptedHost> ScriptedHost::Make() {
  return std::make_unique<HeadlessScriptedHost>();
}

}  // namespace torvek::testing
