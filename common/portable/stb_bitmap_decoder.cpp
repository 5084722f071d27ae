#include "common/portable/stb_bitmap_decoder.h"

#include <climits>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 65535
#include <stb_image.h>

#include "common/platform/surface.h"
#include "common/portable/colour_picture.h"

namespace torvek::portable {

namespace {

// The bitmaps stb_image reads are not compressed: a byte holds at most 8 pixels.
constexpr std::uint64_t kMaxPixelsPerByte = 8;

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

}  // namespace

std::unique_ptr<platform::Picture> DecodeBitmap(const std::uint8_t* data, std::size_t size,
                                                const PictureLimits& limits,
                                                const std::shared_ptr<PictureBudget>& budget,
                                                PictureFailure& failure) {
  failure = PictureFailure::kCorrupt;
  if (size > INT_MAX)
    return nullptr;
  const int length = static_cast<int>(size);
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0 || width <= 0 ||
      height <= 0)
    return nullptr;
  const std::uint64_t pixels =
      static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (width > STBI_MAX_DIMENSIONS || height > STBI_MAX_DIMENSIONS ||
      pixels > limits.maxPicturePixels) {
    failure = PictureFailure::kTooLarge;
    return nullptr;
  }
  if (pixels > size * kMaxPixelsPerByte) {
    failure = PictureFailure::kUnbacked;
    return nullptr;
  }
  BudgetShare share;
  std::unique_ptr<std::uint32_t[]> kept = AllocateWithin<std::uint32_t>(budget, pixels, share);
  if (kept == nullptr) {
    failure = PictureFailure::kOverBudget;
    return nullptr;
  }
  std::unique_ptr<stbi_uc, StbFree> decoded(
      stbi_load_from_memory(data, length, &width, &height, &channels, 3));
  if (decoded == nullptr)
    return nullptr;
  // A bitmap's alpha, where it has one, is not drawn: Windows draws bitmaps opaque.
  const stbi_uc* rgb = decoded.get();
  for (std::uint64_t i = 0; i < pixels; ++i, rgb += 3)
    kept[i] = platform::PixelOf(platform::Rgb(rgb[0], rgb[1], rgb[2]));
  failure = PictureFailure::kNone;
  return std::make_unique<ColourPicture>(width, height, std::move(kept), std::move(share));
}

}  // namespace torvek::portable
