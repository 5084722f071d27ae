#include "common/portable/headless_dialog_host.h"

namespace torvek::portable {

HeadlessDialogHost::HeadlessDialogHost() : boxes_(*this) {}

HeadlessDialogHost::~HeadlessDialogHost() = default;

int HeadlessDialogHost::RunModal(dialog::Dialog& dialog, platform::WindowRef) {
  auto window = std::make_unique<HeadlessWindow>(dialog, nextRef_, palette_, faults_);
  nextRef_ += 0x1000;
  std::string reason;
  if (!window->Realise(reason)) {
    faults_.push_back(std::move(reason));
    return -1;
  }
  running_.push_back(window.get());
  window->Start();
  while (!window->Ended()) {
    window->PaintInvalid();
    if (window->RunPosted())
      continue;
    if (user_ == nullptr) {
      faults_.push_back("nobody acts on the dialog \"" + window->Title() + "\"");
      window->End(-1);
    } else if (!user_->Act(*window)) {
      window->End(-1);
    }
  }
  window->Close();
  running_.pop_back();
  const int result = window->Result();
  lastClosed_ = std::move(window);
  return result;
}

platform::MessageBoxAnswer HeadlessDialogHost::UserBoxes::Show(platform::WindowRef owner,
                                                               const char* text,
                                                               const char* caption,
                                                               platform::MessageBoxButtons buttons,
                                                               platform::MessageBoxIcon icon) {
  if (host_.user_ == nullptr)
    return platform::MessageBoxAnswer::kFailed;
  const HeadlessMessageBox box{owner, text != nullptr ? text : "",
                               caption != nullptr ? caption : "", buttons, icon};
  return host_.user_->Answer(host_.running_.empty() ? nullptr : host_.running_.back(), box);
}

}  // namespace torvek::portable
