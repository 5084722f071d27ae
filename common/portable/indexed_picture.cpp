#include "common/portable/indexed_picture.h"

#include <array>

#include "common/portable/picture_sampling.h"

namespace torvek::portable {

IndexedPicture::IndexedPicture(int width, int height, std::unique_ptr<std::uint8_t[]> storage,
                               int colours, int transparent, BudgetShare share)
    : PortablePicture(width, height, std::move(share)),
      storage_(std::move(storage)),
      colours_(colours),
      transparent_(transparent) {}

IndexedImage IndexedPicture::Image() const {
  const std::uint8_t* table = storage_.get();
  return IndexedImage{Width(), Height(), table + 3 * colours_, table, colours_, transparent_};
}

bool IndexedPicture::Draw(platform::Surface& target, const RenderRequest& request) {
  // An index past the end of the table is drawn as Windows' loader draws it: not at all, like
  // the transparent one.
  std::array<std::uint32_t, 256> pixels{};
  std::array<bool, 256> opaque{};
  const std::uint8_t* table = storage_.get();
  for (int i = 0; i < colours_; ++i) {
    pixels[i] = platform::PixelOf(platform::Rgb(table[3 * i], table[3 * i + 1], table[3 * i + 2]));
    opaque[i] = i != transparent_;
  }
  const std::uint8_t* indices = table + 3 * colours_;
  const auto stride = static_cast<std::size_t>(Width());
  return RenderSampled(target, request, Width(), Height(), ExtentWidth(), ExtentHeight(),
                       [&](int column, int row, std::uint32_t& pixel) {
                         const std::uint8_t index = indices[row * stride + column];
                         if (opaque[index])
                           pixel = pixels[index];
                       });
}

}  // namespace torvek::portable
