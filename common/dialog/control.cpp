#include "common/dialog/control.h"

namespace torvek::dialog {

platform::WindowRef Control::Ref() const {
  ControlSite* site = site_.load();
  return site != nullptr ? site->Ref() : 0;
}

std::intptr_t Control::Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  ControlSite* site = site_.load();
  return site != nullptr ? site->Send(message, wParam, lParam) : 0;
}

void Control::Show(bool visible) {
  if (ControlSite* site = site_.load())
    site->Show(visible);
}

bool Control::IsVisible() const {
  ControlSite* site = site_.load();
  return site != nullptr && site->IsVisible();
}

void Control::Resize(int width, int height) {
  if (ControlSite* site = site_.load())
    site->Resize(width, height);
}

int Control::Width() const {
  ControlSite* site = site_.load();
  return site != nullptr ? site->Width() : 0;
}

int Control::Height() const {
  ControlSite* site = site_.load();
  return site != nullptr ? site->Height() : 0;
}

void Control::Invalidate() {
  if (ControlSite* site = site_.load())
    site->Invalidate();
}

void Control::UpdateNow() {
  if (ControlSite* site = site_.load())
    site->UpdateNow();
}

void Control::OnPaint(platform::Surface&) {}

bool Control::OnEraseBackground() {
  return false;
}

void Control::OnDestroy() {}

void ControlDispatch::Attach(Control& control, ControlSite& site, int id) {
  control.id_ = id;
  control.site_.store(&site);
}

void ControlDispatch::Detach(Control& control) {
  control.site_.store(nullptr);
}

}  // namespace torvek::dialog
