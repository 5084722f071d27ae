#include "common/dialog/dialog.h"

namespace torvek::dialog {

int Dialog::DoModal(platform::WindowRef owner) {
  if (IsRunning())
    return -1;
  return host_.RunModal(*this, owner);
}

platform::WindowRef Dialog::Window() const {
  return window_ != nullptr ? window_->Ref() : 0;
}

bool Dialog::OnInitDialog() {
  UpdateData(Exchange::kPush);
  return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnCtlColor(int, ColourTarget, ControlColours&) {}

void Dialog::OnOK() {
  if (UpdateData(Exchange::kPull))
    EndDialog(kIdOk);
}

void Dialog::OnCancel() {
  EndDialog(kIdCancel);
}

void Dialog::OnPaint(platform::Surface&) {}

void Dialog::OnDestroy() {}

bool Dialog::UpdateData(Exchange direction) {
  if (window_ == nullptr)
    return false;
  DataExchange exchange(template_, *window_, direction);
  DoDataExchange(exchange);
  return exchange.Ok();
}

void Dialog::EndDialog(int result) {
  if (window_ != nullptr)
    window_->End(result);
}

bool Dialog::EnableItem(int id, bool enable) {
  return window_ != nullptr && window_->EnableItem(id, enable);
}

bool Dialog::IsItemEnabled(int id) const {
  return window_ != nullptr && window_->IsItemEnabled(id);
}

bool Dialog::ShowItem(int id, bool show) {
  return window_ != nullptr && window_->ShowItem(id, show);
}

bool Dialog::IsItemVisible(int id) const {
  return window_ != nullptr && window_->IsItemVisible(id);
}

bool Dialog::SetItemText(int id, std::string_view text) {
  return window_ != nullptr && window_->SetItemText(id, text);
}

std::string Dialog::ItemText(int id) const {
  std::string text;
  if (window_ != nullptr)
    window_->GetItemText(id, text);
  return text;
}

bool Dialog::CheckItem(int id, int state) {
  return window_ != nullptr && window_->SetCheck(id, state);
}

int Dialog::ItemCheck(int id) const {
  return window_ != nullptr ? window_->GetCheck(id) : kBstUnchecked;
}

bool Dialog::FocusItem(int id) {
  return window_ != nullptr && window_->FocusItem(id);
}

std::intptr_t Dialog::SendItemMessage(int id, std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  return window_ != nullptr ? window_->SendItemMessage(id, message, wParam, lParam) : 0;
}

bool Dialog::ItemRect(int id, platform::Rect& rect) const {
  return window_ != nullptr && window_->GetItemRect(id, rect);
}

bool Dialog::SetItemFont(int id, const ControlFont& font) {
  return window_ != nullptr && window_->SetItemFont(id, font);
}

bool Dialog::SetTitle(std::string_view title) {
  if (window_ == nullptr)
    return false;
  window_->SetTitle(title);
  return true;
}

std::string Dialog::Title() const {
  return window_ != nullptr ? window_->Title() : std::string();
}

bool Dialog::SetIcon(std::uint16_t resourceId) {
  return window_ != nullptr && window_->SetIcon(resourceId);
}

bool Dialog::PostCall(std::function<void()> call) {
  return window_ != nullptr && window_->Post(std::move(call));
}

void Dialog::BeginWaitCursor() {
  if (window_ != nullptr)
    window_->ShowWaitCursor(true);
}

void Dialog::EndWaitCursor() {
  if (window_ != nullptr)
    window_->ShowWaitCursor(false);
}

bool Dialog::TakeOver(int id, Control& control) {
  if (window_ != nullptr)
    return window_->TakeOver(id, control);
  if (FindItem(template_, id) == nullptr)
    return false;
  takeOvers_.emplace_back(id, &control);
  return true;
}

platform::MessageBoxAnswer Dialog::ShowMessageBox(const char* text, const char* caption,
                                                  platform::MessageBoxButtons buttons,
                                                  platform::MessageBoxIcon icon) {
  return host_.MessageBoxes().Show(Window(), text, caption, buttons, icon);
}

bool DialogDispatch::Init(Dialog& dialog, DialogWindow& window) {
  dialog.window_ = &window;
  for (const auto& [id, control] : dialog.takeOvers_)
    window.TakeOver(id, *control);
  return dialog.OnInitDialog();
}

void DialogDispatch::Command(Dialog& dialog, int id, std::uint16_t code) {
  // The newest entry wins, so a page's own entry overrides its base class's.
  for (auto entry = dialog.commands_.rbegin(); entry != dialog.commands_.rend(); ++entry) {
    if (entry->id == id && entry->code == code) {
      entry->handler();
      return;
    }
  }
  if (code != kBnClicked)
    return;
  if (id == kIdOk)
    dialog.OnOK();
  else if (id == kIdCancel)
    dialog.OnCancel();
}

void DialogDispatch::Destroy(Dialog& dialog) {
  dialog.OnDestroy();
  dialog.window_ = nullptr;
}

}  // namespace torvek::dialog
