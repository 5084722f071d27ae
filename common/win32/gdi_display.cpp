#include <windows.h>

#include "common/win32/dib_surface.h"
#include "common/win32/gdi_canvas.h"
#include "common/win32/gdi_display.h"

namespace torvek::win32 {

namespace {

int ScreenCaps(int index) {
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return 0;
  const int value = GetDeviceCaps(screen, index);
  ReleaseDC(nullptr, screen);
  return value;
}

}  // namespace

std::unique_ptr<platform::Canvas> GdiDisplay::CreateCanvas(platform::WindowRef window, int width,
                                                           int height) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  HDC screen = GetDC(hwnd);
  if (screen == nullptr)
    return nullptr;
  std::unique_ptr<GdiCanvas> canvas =
      GdiCanvas::Create(reinterpret_cast<std::uintptr_t>(screen), width, height);
  ReleaseDC(hwnd, screen);
  return canvas;
}

std::unique_ptr<platform::Canvas> GdiDisplay::CreateCompatibleCanvas(const platform::Canvas& like,
                                                                     int width, int height) {
  const auto* gdi = dynamic_cast<const GdiCanvas*>(&like);
  if (gdi == nullptr)
    return nullptr;
  return GdiCanvas::Create(gdi->DeviceContext(), width, height);
}

std::unique_ptr<platform::Surface> GdiDisplay::CreateSurface(int width, int height) {
  return DibSurface::Create(width, height);
}

platform::Colour GdiDisplay::MenuColour() {
  return GetSysColor(COLOR_MENU);
}

int GdiDisplay::LogPixelsX() {
  return ScreenCaps(LOGPIXELSX);
}

int GdiDisplay::LogPixelsY() {
  return ScreenCaps(LOGPIXELSY);
}

}  // namespace torvek::win32
