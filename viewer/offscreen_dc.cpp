#include "viewer/offscreen_dc.h"

namespace torvek::viewer {

OffscreenDC::OffscreenDC(platform::Display& display, platform::Surface& target)
    : target_(target), buffer_(display.CreateSurface(target.Width(), target.Height())) {}

OffscreenDC::~OffscreenDC() {
  if (buffer_ != nullptr)
    target_.CopyFrom(*buffer_, 0, 0);
}

void OffscreenDC::Fill(const platform::Rect& area, platform::Colour colour) {
  if (buffer_ != nullptr)
    buffer_->Fill(area, colour);
  else
    target_.Fill(area, colour);
}

}  // namespace torvek::viewer
