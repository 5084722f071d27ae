// The eleven demonstrations as the viewer receives them, read by giflib: the layout the splitter
// and the player expect, and the pixels that layout promises.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/viewer/giflib_read.h"

namespace torvek {
namespace {

struct Expected {
  int id;
  int frames;
  int width;
  int height;
};

constexpr Expected kDemonstrations[] = {
    {140, 643, 826, 633}, {141, 356, 780, 560}, {134, 324, 800, 600}, {139, 175, 680, 420},
    {135, 123, 635, 349}, {138, 240, 720, 500}, {133, 210, 760, 520}, {144, 305, 800, 580},
    {136, 288, 700, 480}, {137, 150, 660, 400}, {143, 412, 826, 600},
};

std::vector<std::uint8_t> ReadDemonstration(int id) {
  const char* dir = std::getenv("TORVEK_DEMONSTRATION_DIR");
  std::ifstream in(std::string(dir == nullptr ? "." : dir) + "/" + std::to_string(id) + ".gif",
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Payload(const ExtensionBlock& block) {
  return std::string(reinterpret_cast<const char*>(block.Bytes),
                     static_cast<std::size_t>(block.ByteCount));
}

// Header, a table of 256 colours, the looping extension and a comment, then a control block
// and an image per frame, nothing else. Frame 0 shows everything, opaque; a later frame is the
// bounding box of what changed, so each of its four edges holds a pixel that is not transparent
// (or it is the one transparent pixel of a frame in which nothing changed). Returns how many
// frames cover half the screen or more (a pan, a zoom).
int CheckDemonstration(const Expected& e) {
  const std::vector<std::uint8_t> bytes = ReadDemonstration(e.id);
  if (bytes.size() < 800) {
    ADD_FAILURE() << "missing";
    return 0;
  }
  const viewertest::GiflibRead gif(bytes);
  if (!gif.Whole() || gif.Left() != 0) {
    ADD_FAILURE() << "unreadable, or something after the trailer";
    return 0;
  }
  EXPECT_TRUE(std::string(reinterpret_cast<const char*>(bytes.data()), 6) == "GIF89a");
  EXPECT_EQ(gif->SWidth, e.width);
  EXPECT_EQ(gif->SHeight, e.height);
  EXPECT_TRUE(gif->SColorMap != nullptr && gif->SColorMap->ColorCount == 256);
  EXPECT_EQ(gif->ImageCount, e.frames);
  int wholeScreen = 0;
  for (int k = 0; k < gif->ImageCount; ++k) {
    SCOPED_TRACE(k);
    const SavedImage& image = gif->SavedImages[k];
    const GifImageDesc& d = image.ImageDesc;
    const int w = d.Width, h = d.Height;
    const int blocks = image.ExtensionBlockCount;
    if (blocks < (k == 0 ? 4 : 1)) {
      ADD_FAILURE() << blocks << " extension blocks";
      break;
    }
    const ExtensionBlock& control = image.ExtensionBlocks[blocks - 1];
    if (control.ByteCount != 4) {
      ADD_FAILURE() << "a control block of " << control.ByteCount << " bytes";
      break;
    }
    EXPECT_EQ(control.Function, GRAPHICS_EXT_FUNC_CODE) << "a control block before every image";
    EXPECT_EQ(Payload(control).substr(0, 3), std::string("\x05\0\0", 3))
        << "left in place, with a transparent index, no delay";
    if (k == 0) {
      EXPECT_EQ(Payload(image.ExtensionBlocks[0]), "NETSCAPE2.0");
      EXPECT_EQ(Payload(image.ExtensionBlocks[1]), std::string("\x01\0\0", 3)) << "loops for ever";
      EXPECT_EQ(image.ExtensionBlocks[2].Function, COMMENT_EXT_FUNC_CODE);
    } else {
      EXPECT_EQ(blocks, 1) << "nothing else";
    }
    EXPECT_TRUE(d.ColorMap == nullptr && !d.Interlace) << "no local table, not interlaced";
    EXPECT_TRUE(w > 0 && h > 0 && d.Left + w <= e.width && d.Top + h <= e.height);

    const int t = static_cast<std::uint8_t>(control.Bytes[3]);
    auto opaque = [&](int x, int y) { return image.RasterBits[y * w + x] != t; };
    if (k == 0) {
      EXPECT_EQ((std::vector<int>{d.Left, d.Top, w, h}),
                (std::vector<int>{0, 0, e.width, e.height}));
      EXPECT_EQ(std::count(image.RasterBits, image.RasterBits + w * h, t), 0)
          << "frame 0 uses the transparent index";
      continue;
    }
    if (w * h == 1 && !opaque(0, 0))
      continue;
    if (w * h * 2 >= e.width * e.height)
      ++wholeScreen;
    bool top = false, bottom = false, left = false, right = false;
    for (int x = 0; x < w; ++x) {
      top = top || opaque(x, 0);
      bottom = bottom || opaque(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
      left = left || opaque(0, y);
      right = right || opaque(w - 1, y);
    }
    EXPECT_TRUE(top && bottom && left && right) << "frame " << k << " is wider than its change";
  }
  EXPECT_LE(wholeScreen * 10, e.frames) << "mostly partial frames";
  return wholeScreen;
}

TEST(Demonstrations, LaidOutAsTheViewerExpects) {
  int wholeScreen = 0;
  for (const Expected& e : kDemonstrations) {
    SCOPED_TRACE(e.id);
    wholeScreen += CheckDemonstration(e);
  }
  EXPECT_GT(wholeScreen, 0) << "some pan or zoom";
}

}  // namespace
}  // namespace torvek
