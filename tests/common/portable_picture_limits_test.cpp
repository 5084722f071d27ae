// The portable picture loader never lets a GIF's claims exhaust memory: a frame too large,
// or larger than its data could ever fill, fails before its pixels are allocated, and the
// loader's live pictures together stay within their budget.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/portable/memory_canvas.h"
#include "common/portable/portable_picture_loader.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/source_file.h"

namespace torvek {
namespace {

using portable::PictureFailure;
using portable::PictureLimits;
using portable::PortablePictureLoader;
using testing::Bytes;

// width x height of index 0 over a two-colour table: 6 table bytes and a byte per pixel.
Bytes Plain(int width, int height) {
  const Bytes indices(static_cast<std::size_t>(width) * height, 0);
  return testing::GifBuilder(width, height, 2)
      .ImagePixels(0, 0, width, height, indices)
      .Trailer()
      .bytes();
}

std::unique_ptr<platform::Picture> Load(PortablePictureLoader& loader, const Bytes& bytes) {
  platform::MemoryBlock block =
      platform::MemoryBlock::Allocate(bytes.size(), platform::MemoryBlock::Kind::kFixed);
  std::memcpy(block.Lock(), bytes.data(), bytes.size());
  block.Unlock();
  return loader.LoadOwned(std::move(block), static_cast<std::uint32_t>(bytes.size()));
}

TEST(PortablePictureLimits, FrameOverThePixelLimitFails) {
  PictureLimits limits;
  limits.maxPicturePixels = 100 * 100;
  PortablePictureLoader loader(limits);
  std::unique_ptr<platform::Picture> fits = Load(loader, Plain(100, 100));
  ASSERT_NE(fits, nullptr);
  EXPECT_EQ(loader.LiveBytes(), 100u * 100u + 6u);
  EXPECT_EQ(Load(loader, Plain(100, 101)), nullptr);
  EXPECT_EQ(loader.LastFailure(), PictureFailure::kTooLarge);
  EXPECT_EQ(loader.LiveBytes(), 100u * 100u + 6u);
}

TEST(PortablePictureLimits, FrameItsDataCannotFillFailsBeforeItsPixelsAreTaken) {
  // A 4 x 3 image whose descriptor is made to claim 8000 x 8000 (64 million pixels, within the
  // limit) over a few bytes of data; and a 26-byte file from a fuzzer that claims 64311 x 56.
  Bytes claim = Plain(4, 3);
  const std::size_t descriptor = 13 + 6;
  ASSERT_EQ(claim[descriptor], 0x2C);
  claim[descriptor + 5] = claim[descriptor + 7] = 8000 & 0xFF;
  claim[descriptor + 6] = claim[descriptor + 8] = 8000 >> 8;
  const std::string bomb =
      testing::TestDataFile("gif/image-rs-gif-tests/tests/crashtest/issue-96-small-codesize-2.gif");
  PortablePictureLoader loader;
  for (const Bytes& bytes : {claim, Bytes(bomb.begin(), bomb.end())}) {
    EXPECT_EQ(Load(loader, bytes), nullptr);
    EXPECT_EQ(loader.LastFailure(), PictureFailure::kUnbacked);
  }
  EXPECT_EQ(loader.LiveBytes(), 0u);
}

TEST(PortablePictureLimits, LivePicturesStayWithinTheBudget) {
  PictureLimits limits;
  limits.maxLiveBytes = 25000;
  std::unique_ptr<platform::Picture> outlives;
  {
    PortablePictureLoader loader(limits);
    std::unique_ptr<platform::Picture> first = Load(loader, Plain(100, 100));
    std::unique_ptr<platform::Picture> second = Load(loader, Plain(100, 100));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Load(loader, Plain(100, 100)), nullptr);
    EXPECT_EQ(loader.LastFailure(), PictureFailure::kOverBudget);
    EXPECT_EQ(loader.LiveBytes(), 2 * 10006u);
    first.reset();
    outlives = Load(loader, Plain(100, 100));
    ASSERT_NE(outlives, nullptr);
    second.reset();
    EXPECT_EQ(loader.LiveBytes(), 10006u);
  }
  // The budget goes with the last of the loader and its pictures.
  std::unique_ptr<portable::MemoryCanvas> canvas = portable::MemoryCanvas::Create(100, 100);
  EXPECT_TRUE(platform::RenderWhole(*outlives, *canvas, 0, 0, 100, 100));
}

}  // namespace
}  // namespace torvek
