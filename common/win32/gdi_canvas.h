// The canvas of the Windows build: a memory device context with a bitmap compatible with the
// screen (or with another canvas), which IPicture::Render draws into.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/canvas.h"

namespace torvek::win32 {

class GdiCanvas : public platform::Canvas {
 public:
  // CreateCompatibleDC and CreateCompatibleBitmap against `reference` (an HDC). Null when a
  // side is not positive or GDI refuses.
  static std::unique_ptr<GdiCanvas> Create(std::uintptr_t reference, int width, int height);
  ~GdiCanvas() override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Fill(const platform::Rect& area, platform::Colour colour) override;
  bool CopyFrom(const platform::Canvas& source, int x, int y, int width, int height, int sourceX,
                int sourceY) override;
  void CopyTo(platform::Surface& target, int width, int height) const override;

  // The memory device context (an HDC).
  std::uintptr_t DeviceContext() const { return dc_; }

 private:
  GdiCanvas() = default;

  std::uintptr_t dc_ = 0;
  std::uintptr_t bitmap_ = 0;
  std::uintptr_t previous_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace torvek::win32
