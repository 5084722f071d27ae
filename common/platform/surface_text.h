// Text on a control's paint surface. On Windows the surface is a DIB section with a device
// context, and DrawTextA draws there in the control's font; the portable build has no font
// rasteriser, so its text service keeps what was asked (text, rectangle, colour, format) for a
// reader and draws no glyphs.
#pragma once

#include <cstdint>
#include <string_view>

#include "common/platform/message_box.h"
#include "common/platform/surface.h"

namespace torvek::platform {

// DrawTextA's format flags (DT_*) that the programs use.
inline constexpr std::uint32_t kDtCenter = 0x1u;
inline constexpr std::uint32_t kDtVCenter = 0x4u;
inline constexpr std::uint32_t kDtSingleLine = 0x20u;

class SurfaceText {
 public:
  virtual ~SurfaceText() = default;

  // DrawTextA of `text` (code page 936) within `area` of `surface`, laid out by the DT_* flags
  // of `format`, in `colour` on a transparent background, in the font of the control `window`
  // (WM_GETFONT; the device context's own font when the control has none). False when nothing
  // could be drawn.
  virtual bool Draw(Surface& surface, WindowRef window, std::string_view text, const Rect& area,
                    Colour colour, std::uint32_t format) = 0;
};

}  // namespace torvek::platform
