// A decoded GIF frame as the portable loader keeps it: the frame's own rectangle as 8-bit
// colour indices, its colour table and its transparent index, mapped through the table only
// when it is drawn. A recording of hundreds of frames stays at about a byte per pixel of what
// changed. The transparent index, and any index past the end of the table, leave the target
// as it was.
#pragma once

#include <cstdint>
#include <memory>

#include "common/portable/portable_picture.h"

namespace torvek::portable {

// The decoded frame as it is kept, for tools that compose frames by other rules than Render's.
struct IndexedImage {
  int width = 0;
  int height = 0;
  // width x height indices, row by row from the top.
  const std::uint8_t* indices = nullptr;
  // `colours` entries of red, green and blue; an index at or past `colours` has no colour.
  const std::uint8_t* table = nullptr;
  int colours = 0;
  // -1 when no index is transparent.
  int transparent = -1;
};

class IndexedPicture : public PortablePicture {
 public:
  // `storage` holds `colours` table entries of red, green and blue, then `width` x `height`
  // indices, row by row. `transparent` is -1 when no index is transparent.
  IndexedPicture(int width, int height, std::unique_ptr<std::uint8_t[]> storage, int colours,
                 int transparent, BudgetShare share);

  IndexedImage Image() const;

 private:
  bool Draw(platform::Surface& target, const RenderRequest& request) override;

  std::unique_ptr<std::uint8_t[]> storage_;
  int colours_;
  int transparent_;
};

}  // namespace torvek::portable
