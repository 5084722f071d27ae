#include "common/portable/colour_picture.h"

#include "common/portable/picture_sampling.h"

namespace torvek::portable {

ColourPicture::ColourPicture(int width, int height, std::unique_ptr<std::uint32_t[]> pixels,
                             BudgetShare share)
    : PortablePicture(width, height, std::move(share)), pixels_(std::move(pixels)) {}

bool ColourPicture::Draw(platform::Surface& target, const RenderRequest& request) {
  const auto stride = static_cast<std::size_t>(Width());
  return RenderSampled(
      target, request, Width(), Height(), ExtentWidth(), ExtentHeight(),
      [&](int column, int row, std::uint32_t& pixel) { pixel = pixels_[row * stride + column]; });
}

}  // namespace torvek::portable
