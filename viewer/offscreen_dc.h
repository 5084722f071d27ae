// A double buffer over a paint surface: drawing goes to an off-screen surface in the target's
// own coordinates, and the target's clip box (for a control's paint surface, all of it) is
// copied to the target in one piece when the buffer ends, so the screen never shows a paint
// half done. Where no off-screen surface can be made, drawing goes to the target itself.
#pragma once

#include <memory>

#include "common/platform/canvas.h"
#include "common/platform/surface.h"

namespace torvek::viewer {

class OffscreenDC {
 public:
  OffscreenDC(platform::Display& display, platform::Surface& target);
  // Copies the buffer to the target, when there is one.
  ~OffscreenDC();
  OffscreenDC(const OffscreenDC&) = delete;
  OffscreenDC& operator=(const OffscreenDC&) = delete;

  // Fills with a solid colour, clipped. The buffer starts with undefined content: whoever
  // draws covers the whole target.
  void Fill(const platform::Rect& area, platform::Colour colour);

 private:
  platform::Surface& target_;
  std::unique_ptr<platform::Surface> buffer_;
};

}  // namespace torvek::viewer
