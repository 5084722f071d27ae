#include "common/portable/headless_dialog_host.h"
#include "common/testing/headless_user.h"
#include "tests/dialog/host_under_test.h"

namespace torvek::dialogtest {

namespace {

class HeadlessUnderTest : public HostUnderTest {
 public:
  dialog::DialogHost& Host() override { return host_; }

  int Run(dialog::Dialog& dialog, const torvek::testing::UserScript& script) override {
    user_.Attach(script);
    const int result = dialog.DoModal();
    if (user_.StepsLeft() != 0)
      leftOver_ = user_.StepsLeft();
    return result;
  }

  std::vector<std::string> Faults() override {
    std::vector<std::string> faults = user_.Faults();
    if (leftOver_ != 0)
      faults.push_back(std::to_string(leftOver_) + " steps were left when the dialog closed");
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

std::unique_ptr<HostUnderTest> HostUnderTest::Make() {
  return std::make_unique<HeadlessUnderTest>();
}

}  // namespace torvek::dialogtest
