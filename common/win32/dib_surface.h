// A Surface over a top-down 32-bit DIB section selected into its own memory device context, so
// that GDI (and IPicture::Render) draw into the same pixels the framework reads.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/surface.h"

namespace torvek::win32 {

class DibSurface : public platform::Surface {
 public:
  // Null when the size is not positive or GDI refuses.
  static std::unique_ptr<DibSurface> Create(int width, int height);
  ~DibSurface() override;

  // The memory device context (an HDC) that draws into the pixels. After drawing through it,
  // call Flush before reading the pixels.
  std::uintptr_t DeviceContext() const { return dc_; }
  void Flush() const;

 private:
  DibSurface() = default;

  std::uintptr_t dc_ = 0;
  std::uintptr_t bitmap_ = 0;
  std::uintptr_t previous_ = 0;
};

}  // namespace torvek::win32
