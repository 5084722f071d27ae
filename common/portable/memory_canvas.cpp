#include "common/portable/memory_canvas.h"

#include <algorithm>
#include <cstdint>
#include <new>

namespace torvek::portable {

std::unique_ptr<MemoryCanvas> MemoryCanvas::Create(int width, int height) {
  if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels)
    return nullptr;
  try {
    return std::unique_ptr<MemoryCanvas>(new MemoryCanvas(width, height));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

void MemoryCanvas::Fill(const platform::Rect& area, platform::Colour colour) {
  surface_.Fill(area, colour);
}

bool MemoryCanvas::CopyFrom(const platform::Canvas& source, int x, int y, int width, int height,
                            int sourceX, int sourceY) {
  const auto* memory = dynamic_cast<const MemoryCanvas*>(&source);
  if (memory == nullptr || width <= 0 || height <= 0)
    return false;
  // The source area ends inside the source canvas whenever it can matter, so the end may be
  // held to the largest int.
  const auto end = [](int start, int length) {
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{start} + length, INT32_MAX));
  };
  const platform::Rect area{sourceX, sourceY, end(sourceX, width), end(sourceY, height)};
  surface_.CopyFrom(memory->surface_, area, x, y);
  return true;
}

void MemoryCanvas::CopyTo(platform::Surface& target, int width, int height) const {
  if (width <= 0 || height <= 0)
    return;
  target.CopyFrom(surface_, platform::Rect{0, 0, width, height}, 0, 0);
}

}  // namespace torvek::portable
