#include "common/portable/portable_picture.h"

#include "common/portable/memory_canvas.h"
#include "common/portable/picture_sampling.h"

namespace torvek::portable {

PortablePicture::PortablePicture(int width, int height, BudgetShare share)
    : width_(width), height_(height), share_(std::move(share)) {}

std::int32_t PortablePicture::ExtentWidth() const {
  return HimetricOf(width_);
}

std::int32_t PortablePicture::ExtentHeight() const {
  return HimetricOf(height_);
}

bool PortablePicture::Render(platform::Canvas& target, int x, int y, int width, int height,
                             std::int32_t sourceX, std::int32_t sourceY, std::int32_t sourceWidth,
                             std::int32_t sourceHeight) {
  auto* canvas = dynamic_cast<MemoryCanvas*>(&target);
  if (canvas == nullptr)
    return false;
  return Draw(canvas->Pixels(),
              RenderRequest{x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight});
}

}  // namespace torvek::portable
