// A decoded GIF frame as the portable loader keeps it: the frame's own rectangle as 8-bit
// colour indices, its colour table and its transparent index, mapped through the table only
// when it is drawn. A recording of hundreds of frames stays at about a byte per pixel of what
// changed.
#pragma once

#include <cstdint>
#include <memory>

#include "common/platform/picture.h"
#include "common/portable/picture_budget.h"

namespace torvek::portable {

class IndexedPicture : public platform::Picture {
 public:
  // `storage` holds `colours` table entries of red, green and blue, then `width` x `height`
  // indices, row by row. `transparent` is -1 when no index is transparent.
  IndexedPicture(int width, int height, std::unique_ptr<std::uint8_t[]> storage, int colours,
                 int transparent, BudgetShare share);

  std::int32_t ExtentWidth() const override;
  std::int32_t ExtentHeight() const override;
  bool Render(platform::Canvas& target, int x, int y, int width, int height, std::int32_t sourceX,
              std::int32_t sourceY, std::int32_t sourceWidth, std::int32_t sourceHeight) override;

 private:
  int width_;
  int height_;
  std::unique_ptr<std::uint8_t[]> storage_;
  int colours_;
  int transparent_;
  BudgetShare share_;
};

}  // namespace torvek::portable
