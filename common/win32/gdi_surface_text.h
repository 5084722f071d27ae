// The Windows text service: DrawTextA on the device context of the DIB section that a control
// paints into, in the control's own font.
#pragma once

#include "common/platform/surface_text.h"

namespace torvek::win32 {

class GdiSurfaceText : public platform::SurfaceText {
 public:
  // Draws only on a DibSurface (the surface every control paints into here); any other surface
  // has no device context, and nothing is drawn.
  bool Draw(platform::Surface& surface, platform::WindowRef window, std::string_view text,
            const platform::Rect& area, platform::Colour colour, std::uint32_t format) override;
};

}  // namespace torvek::win32
