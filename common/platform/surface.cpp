#include "common/platform/surface.h"

#include <algorithm>
#include <cstring>

namespace torvek::platform {

void Surface::Attach(std::uint32_t* pixels, int width, int height) {
  const bool usable = pixels != nullptr && width > 0 && height > 0;
  pixels_ = usable ? pixels : nullptr;
  width_ = usable ? width : 0;
  height_ = usable ? height : 0;
}

Colour Surface::ColourAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return 0;
  return ColourOf(Row(y)[x]);
}

void Surface::SetColour(int x, int y, Colour colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return;
  Row(y)[x] = PixelOf(colour);
}

void Surface::Fill(const Rect& area, Colour colour) {
  const int left = std::max(area.left, 0);
  const int right = std::min(area.right, width_);
  const int top = std::max(area.top, 0);
  const int bottom = std::min(area.bottom, height_);
  if (left >= right)
    return;
  for (int y = top; y < bottom; ++y)
    std::fill(Row(y) + left, Row(y) + right, PixelOf(colour));
}

void Surface::CopyFrom(const Surface& source, int x, int y) {
  CopyFrom(source, Rect{0, 0, source.Width(), source.Height()}, x, y);
}

void Surface::CopyFrom(const Surface& source, const Rect& area, int x, int y) {
  // In 64 bits: a position far out plus a width must not wrap round into the surface.
  std::int64_t sourceLeft = std::max(area.left, 0);
  std::int64_t sourceTop = std::max(area.top, 0);
  const std::int64_t sourceRight = std::min(area.right, source.Width());
  const std::int64_t sourceBottom = std::min(area.bottom, source.Height());
  std::int64_t left = std::int64_t{x} + (sourceLeft - area.left);
  std::int64_t top = std::int64_t{y} + (sourceTop - area.top);
  std::int64_t right = std::min<std::int64_t>(left + (sourceRight - sourceLeft), width_);
  std::int64_t bottom = std::min<std::int64_t>(top + (sourceBottom - sourceTop), height_);
  if (left < 0) {
    sourceLeft -= left;
    left = 0;
  }
  if (top < 0) {
    sourceTop -= top;
    top = 0;
  }
  if (left >= right || top >= bottom)
    return;
  const auto count = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
  const std::int64_t rows = bottom - top;
  // Rows in the order that never reads a row already overwritten, as when a surface copies
  // onto itself.
  const bool upward = &source == this && top > sourceTop;
  for (std::int64_t k = 0; k < rows; ++k) {
    const std::int64_t row = upward ? rows - 1 - k : k;
    std::memmove(Row(static_cast<int>(top + row)) + left,
                 source.Row(static_cast<int>(sourceTop + row)) + sourceLeft, count);
  }
}

MemorySurface::MemorySurface(int width, int height) {
  if (width <= 0 || height <= 0)
    return;
  storage_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  Attach(storage_.data(), width, height);
}

}  // namespace torvek::platform
