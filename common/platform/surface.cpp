#include "common/platform/surface.h"

#include <algorithm>
#include <cstring>

namespace torvek::platform {

namespace {

constexpr std::uint32_t PixelOf(Colour colour) {
  return (static_cast<std::uint32_t>(RedOf(colour)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(colour)) << 8) | BlueOf(colour);
}

constexpr Colour ColourOf(std::uint32_t pixel) {
  return Rgb(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
             static_cast<std::uint8_t>(pixel));
}

}  // namespace

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
  const int left = std::max(x, 0);
  const int right = std::min(x + source.Width(), width_);
  const int top = std::max(y, 0);
  const int bottom = std::min(y + source.Height(), height_);
  if (left >= right)
    return;
  const auto count = static_cast<std::size_t>(right - left);
  for (int row = top; row < bottom; ++row)
    std::memcpy(Row(row) + left, source.Row(row - y) + (left - x), count * sizeof(std::uint32_t));
}

MemorySurface::MemorySurface(int width, int height) {
  if (width <= 0 || height <= 0)
    return;
  storage_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  Attach(storage_.data(), width, height);
}

}  // namespace torvek::platform
