#include "tools/gifgen/recorder.h"

#include <algorithm>

#include "tools/gifgen/palette.h"

namespace torvek::gifgen {

Recorder::Recorder(GifWriter& writer, int width, int height)
    : writer_(writer), still_(width, height), screen_(width, height), shown_(width, height) {}

bool Recorder::Frame(const Overlay& overlay) {
  // Only what the still layer or the overlays touched can differ from the last frame.
  const Rect stillChanged = still_.TakeChanged();
  const Rect restore = frameCount_ == 0 ? still_.Bounds() : Union(stillChanged, lastOverlay_);
  screen_.CopyFrom(still_, restore);
  screen_.TakeChanged();
  screen_.ResetClip();
  if (overlay)
    overlay(screen_);
  lastOverlay_ = screen_.TakeChanged();
  screen_.ResetClip();

  Rect area;
  if (frameCount_ == 0) {
    area = screen_.Bounds();
  } else {
    area = ChangedWithin(Union(restore, lastOverlay_));
  }
  if (area.Empty()) {
    pixels_.assign(1, kTransparent);
    area = {0, 0, 1, 1};
  } else {
    pixels_.resize(static_cast<std::size_t>(area.Width()) * area.Height());
    std::uint8_t* out = pixels_.data();
    for (int y = area.top; y < area.bottom; ++y) {
      const std::uint8_t* now = screen_.Row(y) + area.left;
      const std::uint8_t* before = shown_.Row(y) + area.left;
      for (int x = 0; x < area.Width(); ++x)
        *out++ = (frameCount_ > 0 && now[x] == before[x]) ? std::uint8_t{kTransparent} : now[x];
    }
    shown_.CopyFrom(screen_, area);
  }
  ++frameCount_;
  return writer_.AddFrame(area, pixels_);
}

Rect Recorder::ChangedWithin(const Rect& region) const {
  const Rect r = Intersection(region, screen_.Bounds());
  Rect box;
  for (int y = r.top; y < r.bottom; ++y) {
    const std::uint8_t* now = screen_.Row(y);
    const std::uint8_t* before = shown_.Row(y);
    int first = r.left;
    while (first < r.right && now[first] == before[first])
      ++first;
    if (first == r.right)
      continue;
    int last = r.right - 1;
    while (now[last] == before[last])
      --last;
    box = Union(box, {first, y, last + 1, y + 1});
  }
  return box;
}

}  // namespace torvek::gifgen
