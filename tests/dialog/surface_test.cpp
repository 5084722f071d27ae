// Surfaces clip what they fill and copy, hand colours back as they were given, and come out of
// the PNG writer as any PNG reader reads them.
#include <gtest/gtest.h>

#include <cstdint>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

#include "common/platform/surface.h"
#include "common/testing/png_image.h"

namespace torvek::dialogtest {
namespace {

using platform::MemorySurface;
using platform::Rgb;

TEST(Surface, FillAndCopyStayInsideTheSurface) {
  MemorySurface surface(4, 3);
  surface.Fill({-5, -5, 2, 2}, Rgb(1, 2, 3));
  EXPECT_EQ(surface.ColourAt(1, 1), Rgb(1, 2, 3));
  EXPECT_EQ(surface.ColourAt(2, 1), 0u);
  EXPECT_EQ(surface.Row(0)[0], 0x00010203u) << "stored as a DIB stores it: blue in the low byte";

  MemorySurface patch(3, 3);
  patch.Fill({0, 0, 3, 3}, Rgb(200, 100, 50));
  surface.CopyFrom(patch, 2, 1);
  EXPECT_EQ(surface.ColourAt(3, 2), Rgb(200, 100, 50));
  EXPECT_EQ(surface.ColourAt(1, 2), 0u);
  surface.CopyFrom(patch, 9, 9);
  surface.SetColour(-1, 0, Rgb(9, 9, 9));
  EXPECT_EQ(surface.ColourAt(-1, 0), 0u);
  EXPECT_EQ(MemorySurface(0, 5).Width(), 0);
}

TEST(Surface, AreaCopyClipsFarOffPositionsAndMayOverlapItself) {
  MemorySurface surface(3, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x)
      surface.SetColour(x, y, Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
  }
  // Down by one row onto itself: each row arrives as it was before the copy.
  surface.CopyFrom(surface, {0, 0, 3, 2}, 0, 1);
  EXPECT_EQ(surface.ColourAt(2, 0), Rgb(2, 0, 7));
  EXPECT_EQ(surface.ColourAt(2, 1), Rgb(2, 0, 7));
  EXPECT_EQ(surface.ColourAt(1, 2), Rgb(1, 1, 7));
  // A position so far out that adding the width would wrap round lands nowhere.
  MemorySurface patch(2, 2);
  surface.CopyFrom(patch, INT32_MAX - 1, 0);
  surface.CopyFrom(patch, {INT32_MIN, 0, INT32_MAX, 2}, 0, 0);
  EXPECT_EQ(surface.ColourAt(0, 0), Rgb(0, 0, 7));
}

TEST(PngImage, ReadsBackPixelForPixelAcrossSeveralDeflateBlocks) {
  // 200 x 120 RGB rows are more than one stored block holds.
  MemorySurface surface(200, 120);
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x)
      surface.SetColour(x, y,
                        Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                            static_cast<std::uint8_t>(x ^ y)));
  }
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(torvek::testing::EncodePng(surface, png));
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(png.data(), static_cast<int>(png.size()), &width, &height,
                                          &channels, 3);
  ASSERT_NE(pixels, nullptr) << stbi_failure_reason();
  ASSERT_EQ(width, 200);
  ASSERT_EQ(height, 120);
  int wrong = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const stbi_uc* pixel = pixels + (y * width + x) * 3;
      if (Rgb(pixel[0], pixel[1], pixel[2]) != surface.ColourAt(x, y))
        ++wrong;
    }
  }
  stbi_image_free(pixels);
  EXPECT_EQ(wrong, 0);
  EXPECT_FALSE(torvek::testing::EncodePng(MemorySurface(0, 0), png));
}

}  // namespace
}  // namespace torvek::dialogtest
