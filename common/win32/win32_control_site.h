// A taken-over control in a real dialog: the control's window subclassed, its paint drawn into
// a DIB surface by the control class and copied to the screen, its erasing left to the class,
// and the original window procedure put back when the window goes.
#pragma once

#include <windows.h>

#include <memory>

#include "common/dialog/control.h"
#include "common/win32/dib_surface.h"

namespace torvek::win32 {

class Win32ControlSite : public dialog::ControlSite {
 public:
  // Subclasses `window` for `control`; false (and nothing changed) when it cannot.
  bool Attach(HWND window, dialog::Control& control, int id);

  platform::WindowRef Ref() const override {
    return reinterpret_cast<platform::WindowRef>(window_);
  }
  std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
  void Show(bool visible) override;
  bool IsVisible() const override;
  void Resize(int width, int height) override;
  int Width() const override;
  int Height() const override;
  void Invalidate() override;
  void UpdateNow() override;

 private:
  static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  void Detach();

  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;
  dialog::Control* control_ = nullptr;
  std::unique_ptr<DibSurface> surface_;
};

}  // namespace torvek::win32
