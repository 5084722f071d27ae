#include "common/portable/text_recorder.h"

namespace torvek::portable {

bool TextRecorder::Draw(platform::Surface& surface, platform::WindowRef window,
                        std::string_view text, const platform::Rect& area, platform::Colour colour,
                        std::uint32_t format) {
  if (drawn_.size() == kKept)
    drawn_.pop_front();
  drawn_.push_back({&surface, window, std::string(text), area, colour, format});
  return true;
}

}  // namespace torvek::portable
