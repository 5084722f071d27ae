#include "common/win32/win32_control_site.h"

namespace torvek::win32 {

namespace {

constexpr char kSiteProperty[] = "TorvekControlSite";

}  // namespace

bool Win32ControlSite::Attach(HWND window, dialog::Control& control, int id) {
  if (window == nullptr || window_ != nullptr)
    return false;
  if (!SetPropA(window, kSiteProperty, this))
    return false;
  const LONG_PTR previous =
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc));
  if (previous == 0) {
    RemovePropA(window, kSiteProperty);
    return false;
  }
  window_ = window;
  original_ = reinterpret_cast<WNDPROC>(previous);
  control_ = &control;
  dialog::ControlDispatch::Attach(control, *this, id);
  return true;
}

void Win32ControlSite::Detach() {
  if (window_ == nullptr)
    return;
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  RemovePropA(window_, kSiteProperty);
  dialog::ControlDispatch::Detach(*control_);
  window_ = nullptr;
  surface_.reset();
}

LRESULT CALLBACK Win32ControlSite::ControlProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* site = static_cast<Win32ControlSite*>(GetPropA(window, kSiteProperty));
  if (site == nullptr)
    return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC original = site->original_;
  switch (message) {
    case WM_PAINT:
      site->Paint();
      return 0;
    case WM_ERASEBKGND:
      if (dialog::ControlDispatch::EraseBackground(*site->control_))
        return 1;
      break;
    case WM_DESTROY:
      dialog::ControlDispatch::Destroy(*site->control_);
      break;
    case WM_NCDESTROY:
      site->Detach();
      break;
    default:
      break;
  }
  return CallWindowProcA(original, window, message, wParam, lParam);
}

void Win32ControlSite::Paint() {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(window_, &paint);
  if (screen == nullptr)
    return;
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (surface_ == nullptr || surface_->Width() != width || surface_->Height() != height)
    surface_ = DibSurface::Create(width, height);
  if (surface_ != nullptr) {
    dialog::ControlDispatch::Paint(*control_, *surface_);
    GdiFlush();
    BitBlt(screen, 0, 0, width, height, reinterpret_cast<HDC>(surface_->DeviceContext()), 0, 0,
           SRCCOPY);
  }
  EndPaint(window_, &paint);
}

std::intptr_t Win32ControlSite::Send(std::uint32_t message, std::uintptr_t wParam,
                                     std::intptr_t lParam) {
  return SendMessageA(window_, message, wParam, lParam);
}

void Win32ControlSite::Show(bool visible) {
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
}

bool Win32ControlSite::IsVisible() const {
  return (GetWindowLongA(window_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32ControlSite::Resize(int width, int height) {
  SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32ControlSite::Width() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client.right - client.left;
}

int Win32ControlSite::Height() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client.bottom - client.top;
}

void Win32ControlSite::Invalidate() {
  InvalidateRect(window_, nullptr, FALSE);
}

void Win32ControlSite::UpdateNow() {
  UpdateWindow(window_);
}

}  // namespace torvek::win32
