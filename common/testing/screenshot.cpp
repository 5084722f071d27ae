#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/testing/png_image.h"
#include "common/testing/screenshot.h"

namespace torvek::testing {

std::unique_ptr<win32::DibSurface> CaptureScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  std::unique_ptr<win32::DibSurface> surface = win32::DibSurface::Create(width, height);
  if (surface == nullptr)
    return nullptr;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr)
    return nullptr;
  const BOOL copied = BitBlt(reinterpret_cast<HDC>(surface->DeviceContext()), 0, 0, width, height,
                             screen, left, top, SRCCOPY | CAPTUREBLT);
  ReleaseDC(nullptr, screen);
  surface->Flush();
  return copied ? std::move(surface) : nullptr;
}

bool SaveScreenshot(const std::string& path) {
  std::unique_ptr<win32::DibSurface> screen = CaptureScreen();
  std::vector<std::uint8_t> png;
  if (screen == nullptr || !EncodePng(*screen, png))
    return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr)
    return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace torvek::testing
