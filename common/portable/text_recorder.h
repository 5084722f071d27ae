// The portable text service: no glyphs are drawn (there is no font rasteriser here); each
// request is kept instead, so that a reader can tell which caption a control drew, where and in
// which colour.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "common/platform/surface_text.h"

namespace torvek::portable {

struct DrawnText {
  const platform::Surface* surface = nullptr;
  platform::WindowRef window = 0;
  std::string text;
  platform::Rect area;
  platform::Colour colour = 0;
  std::uint32_t format = 0;
  bool operator==(const DrawnText&) const = default;
};

class TextRecorder : public platform::SurfaceText {
 public:
  // The newest requests kept; older ones are dropped, so a control that paints for hours
  // holds no more than this.
  static constexpr std::size_t kKept = 256;

  bool Draw(platform::Surface& surface, platform::WindowRef window, std::string_view text,
            const platform::Rect& area, platform::Colour colour, std::uint32_t format) override;

  // Oldest first.
  const std::deque<DrawnText>& Drawn() const { return drawn_; }
  void Clear() { drawn_.clear(); }

 private:
  std::deque<DrawnText> drawn_;
};

}  // namespace torvek::portable
