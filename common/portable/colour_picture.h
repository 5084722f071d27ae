// A decoded bitmap as the portable loader keeps it: its pixels, opaque, in the surface's layout.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

class ColourPicture : public platform::Picture {
 public:
  // `pixels`: `width` x `height`, row by row from the top, as platform::PixelOf stores them.
  ColourPicture(int width, int height, std::unique_ptr<std::uint32_t[]> pixels, BudgetShare share);

  std::int32_t ExtentWidth() const override;
  std::int32_t ExtentHeight() const override;
  bool Render(platform::Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
              std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight) override;

 private:
  int width_;
  int height_;
  std::unique_ptr<std::uint32_t[]> pixels_;
  BudgetShare share_;
};

}  // namespace torvek::portable
