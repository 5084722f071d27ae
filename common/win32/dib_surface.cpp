#include <windows.h>

#include "common/win32/dib_surface.h"

namespace torvek::win32 {

std::unique_ptr<DibSurface> DibSurface::Create(int width, int height) {
  if (width <= 0 || height <= 0)
    return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr)
    return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    DeleteObject(bitmap);
    return nullptr;
  }
  std::unique_ptr<DibSurface> surface(new DibSurface);
  surface->dc_ = reinterpret_cast<std::uintptr_t>(dc);
  surface->bitmap_ = reinterpret_cast<std::uintptr_t>(bitmap);
  surface->previous_ = reinterpret_cast<std::uintptr_t>(SelectObject(dc, bitmap));
  surface->Attach(static_cast<std::uint32_t*>(bits), width, height);
  return surface;
}

DibSurface::~DibSurface() {
  HDC dc = reinterpret_cast<HDC>(dc_);
  SelectObject(dc, reinterpret_cast<HGDIOBJ>(previous_));
  DeleteDC(dc);
  DeleteObject(reinterpret_cast<HGDIOBJ>(bitmap_));
}

void DibSurface::Flush() const {
  GdiFlush();
}

}  // namespace torvek::win32
