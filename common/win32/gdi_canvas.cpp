#include <windows.h>

#include "common/win32/dib_surface.h"
#include "common/win32/gdi_canvas.h"

namespace torvek::win32 {

namespace {

HDC DcOf(std::uintptr_t dc) {
  return reinterpret_cast<HDC>(dc);
}

}  // namespace

std::unique_ptr<GdiCanvas> GdiCanvas::Create(std::uintptr_t reference, int width, int height) {
  // CreateCompatibleBitmap makes a 1 x 1 monochrome bitmap of a side 0: refuse it here.
  if (width <= 0 || height <= 0)
    return nullptr;
  HDC dc = CreateCompatibleDC(DcOf(reference));
  if (dc == nullptr)
    return nullptr;
  HBITMAP bitmap = CreateCompatibleBitmap(DcOf(reference), width, height);
  if (bitmap == nullptr) {
    DeleteDC(dc);
    return nullptr;
  }
  std::unique_ptr<GdiCanvas> canvas(new GdiCanvas);
  canvas->dc_ = reinterpret_cast<std::uintptr_t>(dc);
  canvas->bitmap_ = reinterpret_cast<std::uintptr_t>(bitmap);
  canvas->previous_ = reinterpret_cast<std::uintptr_t>(SelectObject(dc, bitmap));
  canvas->width_ = width;
  canvas->height_ = height;
  return canvas;
}

GdiCanvas::~GdiCanvas() {
  SelectObject(DcOf(dc_), reinterpret_cast<HGDIOBJ>(previous_));
  DeleteDC(DcOf(dc_));
  DeleteObject(reinterpret_cast<HGDIOBJ>(bitmap_));
}

void GdiCanvas::Fill(const platform::Rect& area, platform::Colour colour) {
  // FillRect would fill a rectangle given right to left; the portable canvas fills none.
  if (area.left >= area.right || area.top >= area.bottom)
    return;
  const RECT rect{area.left, area.top, area.right, area.bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  if (brush == nullptr)
    return;
  FillRect(DcOf(dc_), &rect, brush);
  DeleteObject(brush);
}

bool GdiCanvas::CopyFrom(const platform::Canvas& source, int x, int y, int width, int height,
                         int sourceX, int sourceY) {
  const auto* gdi = dynamic_cast<const GdiCanvas*>(&source);
  if (gdi == nullptr || width <= 0 || height <= 0)
    return false;
  return BitBlt(DcOf(dc_), x, y, width, height, DcOf(gdi->dc_), sourceX, sourceY, SRCCOPY) != 0;
}

void GdiCanvas::CopyTo(platform::Surface& target, int width, int height) const {
  if (width <= 0 || height <= 0)
    return;
  if (auto* dib = dynamic_cast<DibSurface*>(&target)) {
    BitBlt(DcOf(dib->DeviceContext()), 0, 0, width, height, DcOf(dc_), 0, 0, SRCCOPY);
    dib->Flush();
    return;
  }
  // Any other surface gets the pixels through a DIB of its own.
  std::unique_ptr<DibSurface> dib = DibSurface::Create(width, height);
  if (dib == nullptr)
    return;
  BitBlt(DcOf(dib->DeviceContext()), 0, 0, width, height, DcOf(dc_), 0, 0, SRCCOPY);
  dib->Flush();
  target.CopyFrom(*dib, platform::Rect{0, 0, width_, height_}, 0, 0);
}

}  // namespace torvek::win32
