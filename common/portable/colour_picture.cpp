#include "common/portable/colour_picture.h"

#include "common/portable/memory_canvas.h"
#include "common/portable/picture_sampling.h"

namespace torvek::portable {

ColourPicture::ColourPicture(int width, int height, std::unique_ptr<std::uint32_t[]> pixels,
                             BudgetShare share)
    : width_(width), height_(height), pixels_(std::move(pixels)), share_(std::move(share)) {}

std::int32_t ColourPicture::ExtentWidth() const {
  return HimetricOf(width_);
}

std::int32_t ColourPicture::ExtentHeight() const {
  return HimetricOf(height_);
}

bool ColourPicture::Render(platform::Canvas& target, int x, int y, int width, int height,
                           std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth,
                           std::int32_t sourceHeight) {
  auto* canvas = dynamic_cast<MemoryCanvas*>(&target);
  if (canvas == nullptr)
    return false;
  const auto stride = static_cast<std::size_t>(width_);
  const RenderRequest request{x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight};
  return RenderSampled(
      canvas->Pixels(), request, width_, height_, ExtentWidth(), ExtentHeight(),
      [&](int column, int row, std::uint32_t& pixel) { pixel = pixels_[row * stride + column]; });
}

}  // namespace torvek::portable
