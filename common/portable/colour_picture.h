// A decoded bitmap as the portable loader keeps it: its pixels, opaque, in the surface's layout.
#pragma once

#include <cstdint>
#include <memory>

#include "common/portable/portable_picture.h"

namespace torvek::portable {

class ColourPicture : public PortablePicture {
 public:
  // `pixels`: `width` x `height`, row by row from the top, as platform::PixelOf stores them.
  ColourPicture(int width, int height, std::unique_ptr<std::uint32_t[]> pixels, BudgetShare share);

 private:
  bool Draw(platform::Surface& target, const RenderRequest& request) override;

  std::unique_ptr<std::uint32_t[]> pixels_;
};

}  // namespace torvek::portable
