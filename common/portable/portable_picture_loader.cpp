#include "common/portable/portable_picture_loader.h"

#include "common/portable/giflib_frame_decoder.h"
#include "common/portable/stb_bitmap_decoder.h"

namespace torvek::portable {

PortablePictureLoader::PortablePictureLoader(const PictureLimits& limits)
    : limits_(limits), budget_(std::make_shared<PictureBudget>(limits.maxLiveBytes)) {}

std::unique_ptr<platform::Picture> PortablePictureLoader::LoadOwned(platform::MemoryBlock block,
                                                                    std::uint32_t size) {
  return Load(block, size);
}

std::unique_ptr<platform::Picture> PortablePictureLoader::LoadBorrowed(platform::MemoryBlock& block,
                                                                       std::uint32_t size) {
  return Load(block, size);
}

std::unique_ptr<platform::Picture> PortablePictureLoader::Load(platform::MemoryBlock& block,
                                                               std::uint32_t size) {
  lastFailure_ = PictureFailure::kNoData;
  if (size == 0 || size > block.Size())
    return nullptr;
  const std::uint8_t* data = block.Lock();
  if (data == nullptr)
    return nullptr;
  std::unique_ptr<platform::Picture> picture;
  if (size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F')
    picture = DecodeGifFrame(data, size, limits_, budget_, lastFailure_);
  else if (size >= 2 && data[0] == 'B' && data[1] == 'M')
    picture = DecodeBitmap(data, size, limits_, budget_, lastFailure_);
  else
    lastFailure_ = PictureFailure::kUnknownFormat;
  block.Unlock();
  return picture;
}

}  // namespace torvek::portable
