// What the portable pictures share: a size in pixels, an extent in HIMETRIC at 96 dots per
// inch, Render onto a MemoryCanvas with IPicture::Render's geometry, and the bytes they hold
// against their loader's budget.
#pragma once

#include <cstdint>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

struct RenderRequest;

class PortablePicture : public platform::Picture {
 public:
  std::int32_t ExtentWidth() const final;
  std::int32_t ExtentHeight() const final;
  // False on a canvas that is no MemoryCanvas.
  bool Render(platform::Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
              std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight) final;

 protected:
  PortablePicture(int width, int height, BudgetShare share);

  // Draws the picture into `target` as RenderSampled does.
  virtual bool Draw(platform::Surface& target, const RenderRequest& request) = 0;

  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  BudgetShare share_;
};

}  // namespace torvek::portable
