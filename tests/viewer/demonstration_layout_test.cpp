// The eleven demonstrations as the viewer receives them: walked block by block, and decoded
// by giflib to look at the pixels that the layout promises.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

struct FrameBlock {
  int left, top, width, height;
  int transparent;
};

// A cursor over the file that fails the test, rather than reading on, at its end.
class Blocks {
 public:
  explicit Blocks(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool AtEnd() const { return at_ >= bytes_.size(); }
  int Byte() {
    if (at_ >= bytes_.size()) {
      ADD_FAILURE() << "file ends inside a block";
      return -1;
    }
    return bytes_[at_++];
  }
  int Word() {
    const int low = Byte();
    return low | (Byte() << 8);
  }
  std::string Text(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
      s.push_back(static_cast<char>(Byte()));
    return s;
  }
  // Skips a chain of data sub-blocks; returns their total payload.
  int SkipChain() {
    int total = 0;
    for (int size = Byte(); size > 0; size = Byte()) {
      at_ += static_cast<std::size_t>(size);
      total += size;
    }
    return total;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

std::vector<std::uint8_t> ReadDemonstration(int id) {
  const char* dir = std::getenv("TORVEK_DEMONSTRATION_DIR");
  std::ifstream in(std::string(dir == nullptr ? "." : dir) + "/" + std::to_string(id) + ".gif",
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Header, table, looping extension, one comment, then control block and image per frame.
std::vector<FrameBlock> WalkLayout(const std::vector<std::uint8_t>& bytes, const Expected& e) {
  Blocks b(bytes);
  EXPECT_EQ(b.Text(6), "GIF89a");
  EXPECT_EQ(b.Word(), e.width);
  EXPECT_EQ(b.Word(), e.height);
  EXPECT_EQ(b.Byte() & 0x87, 0x87) << "a global table of 256 colours";
  b.Text(2 + 768);
  EXPECT_EQ(b.Byte(), 0x21);
  EXPECT_EQ(b.Byte(), 0xFF);
  EXPECT_EQ(b.Byte(), 11);
  EXPECT_EQ(b.Text(11), "NETSCAPE2.0");
  EXPECT_EQ(b.Text(5), std::string("\x03\x01\x00\x00\x00", 5)) << "loops for ever";
  EXPECT_EQ(b.Byte(), 0x21);
  EXPECT_EQ(b.Byte(), 0xFE);
  EXPECT_GT(b.SkipChain(), 0) << "the comment";
  std::vector<FrameBlock> frames;
  for (int kind = b.Byte(); kind != 0x3B && !b.AtEnd(); kind = b.Byte()) {
    SCOPED_TRACE(frames.size());
    EXPECT_EQ(kind, 0x21);
    EXPECT_EQ(b.Byte(), 0xF9) << "a control block before every image, and nothing else";
    EXPECT_EQ(b.Byte(), 4);
    EXPECT_EQ(b.Byte(), 0x05) << "left in place, with a transparent index";
    EXPECT_EQ(b.Word(), 0) << "no delay";
    FrameBlock f{};
    f.transparent = b.Byte();
    EXPECT_EQ(b.Byte(), 0);
    EXPECT_EQ(b.Byte(), 0x2C);
    f.left = b.Word();
    f.top = b.Word();
    f.width = b.Word();
    f.height = b.Word();
    EXPECT_EQ(b.Byte(), 0) << "no local table, not interlaced";
    EXPECT_EQ(b.Byte(), 8) << "LZW code size";
    EXPECT_GT(b.SkipChain(), 0);
    EXPECT_TRUE(f.width > 0 && f.height > 0 && f.left + f.width <= e.width &&
                f.top + f.height <= e.height);
    frames.push_back(f);
  }
  EXPECT_TRUE(b.AtEnd()) << "nothing after the trailer";
  return frames;
}

int ReadFromMemory(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<std::pair<const std::uint8_t*, std::size_t>*>(gif->UserData);
  const int n =
      static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(length), source->second));
  std::memcpy(out, source->first, static_cast<std::size_t>(n));
  source->first += n;
  source->second -= static_cast<std::size_t>(n);
  return n;
}

// Frame 0 shows everything, opaque; a later frame is the bounding box of what changed, so each
// of its four edges holds a pixel that is not transparent (or it is the one transparent pixel
// of a frame in which nothing changed). Returns how many frames cover half the screen or more
// (a pan, a zoom).
int CheckPixels(const std::vector<std::uint8_t>& bytes, const std::vector<FrameBlock>& frames,
                const Expected& e) {
  std::pair<const std::uint8_t*, std::size_t> source{bytes.data(), bytes.size()};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, ReadFromMemory, &error);
  if (gif == nullptr) {
    ADD_FAILURE() << "giflib cannot open it";
    return 0;
  }
  if (DGifSlurp(gif) != GIF_OK || gif->ImageCount != e.frames) {
    ADD_FAILURE() << "giflib decodes " << gif->ImageCount << " frames";
    DGifCloseFile(gif, &error);
    return 0;
  }
  int wholeScreen = 0;
  for (int k = 0; k < gif->ImageCount; ++k) {
    const SavedImage& image = gif->SavedImages[k];
    const int w = image.ImageDesc.Width, h = image.ImageDesc.Height;
    const int t = frames[static_cast<std::size_t>(k)].transparent;
    auto opaque = [&](int x, int y) { return image.RasterBits[y * w + x] != t; };
    if (k == 0) {
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
  DGifCloseFile(gif, &error);
  return wholeScreen;
}

TEST(Demonstrations, LaidOutAsTheViewerExpects) {
  int wholeScreen = 0;
  for (const Expected& e : kDemonstrations) {
    SCOPED_TRACE(e.id);
    const std::vector<std::uint8_t> bytes = ReadDemonstration(e.id);
    ASSERT_GT(bytes.size(), 800u);
    const std::vector<FrameBlock> frames = WalkLayout(bytes, e);
    ASSERT_EQ(static_cast<int>(frames.size()), e.frames);
    EXPECT_EQ(frames[0].left, 0);
    EXPECT_EQ(frames[0].top, 0);
    EXPECT_EQ(frames[0].width, e.width);
    EXPECT_EQ(frames[0].height, e.height);
    wholeScreen += CheckPixels(bytes, frames, e);
  }
  EXPECT_GT(wholeScreen, 0) << "some pan or zoom";
}

}  // namespace
}  // namespace torvek
