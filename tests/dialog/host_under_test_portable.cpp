#include "common/portable/headless_dialog_host.h"
#include "tests/dialog/host_under_test.h"

namespace torvek::dialogtest {

namespace {

class HeadlessUnderTest : public HostUnderTest {
 public:
  dialog::DialogHost& Host() override { return host_; }

  int Run(dialog::Dialog& dialog, const dialog::UserScript& script) override {
    host_.Attach(script);
    const int result = dialog.DoModal();
    if (host_.StepsLeft() != 0)
      leftOver_ = host_.StepsLeft();
    return result;
  }

  std::vector<std::string> Faults() override {
    std::vector<std::string> faults = host_.Faults();
    if (leftOver_ != 0)
      faults.push_back(std::to_string(leftOver_) + " steps were left when the dialog closed");
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

std::unique_ptr<HostUnderTest> HostUnderTest::Make() {
  return std::make_unique<HeadlessUnderTest>();
}

}  // namespace torvek::dialogtest
