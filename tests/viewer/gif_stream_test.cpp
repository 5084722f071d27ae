#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/support/picture_bytes.h"
#include "viewer/gif_stream.h"

namespace torvek::viewer {

// Found by gtest next to the values it prints.
void PrintTo(const GifFrameValues& v, std::ostream* out);
void PrintTo(const GifFrameValues& v, std::ostream* out) {
  *out << "{size " << v.streamSize << ", delay " << v.delay << ", disposal " << v.disposal << ", "
       << v.left << "," << v.top << " " << v.width << "x" << v.height
       << (v.kind == GifFrameKind::kText ? ", text}" : "}");
}

namespace {

using platform::MemoryBlock;
using testing::Bytes;
using testing::GifBuilder;

struct Split {
  bool isGif = false;
  std::int32_t width = 0;
  std::int32_t height = 0;
  int count = 0;
  std::vector<GifFrameValues> values;
  std::vector<Bytes> streams;
  GifBlockKind endKind = GifBlockKind::kUnknown;
};

// A load as the animation control runs it: the count, then every frame cut from the first
// block. The file sits in a heap block of its own, so that ASan sees a read past its end;
// `beyond` bytes after it there, outside the size given, catch such a read in a plain build
// when what they say would change the result.
Split SplitFile(const Bytes& file, const Bytes& beyond = {}) {
  auto data = std::make_unique<std::uint8_t[]>(file.size() + beyond.size());
  std::copy(beyond.begin(), beyond.end(), std::copy(file.begin(), file.end(), data.get()));
  GifStream gif;
  Split split;
  split.isGif =
      gif.BeginGif(data.get(), static_cast<std::uint32_t>(file.size()), split.width, split.height);
  EXPECT_EQ(gif.IsGif(), split.isGif);
  gif.RewindToFirstBlock();
  while (gif.SkipFrame())
    ++split.count;
  gif.RewindToFirstBlock();
  GifFrameValues values;
  for (MemoryBlock block; (block = gif.ExtractNextFrame(values)).IsValid();) {
    EXPECT_EQ(block.BlockKind(), MemoryBlock::Kind::kFixed);
    EXPECT_EQ(block.Size(), static_cast<std::size_t>(values.streamSize));
    split.values.push_back(values);
    const std::uint8_t* stream = block.Lock();
    split.streams.emplace_back(stream, stream + block.Size());
    block.Unlock();
  }
  EXPECT_EQ(split.count, static_cast<int>(split.values.size())) << "the two walks differ";
  split.endKind = gif.ClassifyBlock();
  return split;
}

TEST(GifStream, DataThatIsNotAGifIsLeftWhole) {
  const Bytes gif87 = GifBuilder(4, 4, 2, "GIF87a").Trailer().bytes();
  Bytes otherVersion = gif87;
  otherVersion[4] = '8';  // GIF88a
  const Bytes cases[] = {otherVersion,
                         {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0},
                         Bytes(gif87.begin(), gif87.begin() + 6),
                         {}};
  for (const Bytes& data : cases) {
    const Split split = SplitFile(data);
    EXPECT_FALSE(split.isGif);
    EXPECT_EQ(split.count, 0);
  }
  EXPECT_TRUE(SplitFile(gif87).isGif);
  // Offsets are signed 32-bit: data whose end the cursor cannot reach is not walked.
  GifStream gif;
  std::int32_t width = 0, height = 0;
  EXPECT_FALSE(gif.BeginGif(gif87.data(), 0x80000000u, width, height));
}

TEST(GifStream, CountsImagesNotOtherBlocks) {
  GifBuilder none(300, 200);
  none.Looping().Comment("no picture").Trailer();
  const Split empty = SplitFile(none.bytes());
  EXPECT_TRUE(empty.isGif);
  EXPECT_EQ(empty.count, 0);
  EXPECT_EQ(empty.endKind, GifBlockKind::kTrailer);

  GifBuilder one(0xFFFF, 0x8001, 0, "GIF87a");
  one.Image(3, 5, 7, 9).Trailer();
  const Split single = SplitFile(one.bytes());
  EXPECT_EQ(single.width, 0xFFFF);  // as stored: the control clamps, not the splitter
  EXPECT_EQ(single.height, 0x8001);
  ASSERT_EQ(single.count, 1);
  EXPECT_EQ(single.streams[0], one.bytes());
}

// As the demonstrations are laid out: a 256-colour table, the looping extension and a comment,
// then a control block and an image per frame. Neither leading block is in any stream.
TEST(GifStream, CutsTheShippedLayoutIntoHeaderControlImageAndTrailer) {
  GifBuilder file(826, 633);
  file.Looping().Comment("");  // an empty chain: its terminator alone
  std::vector<std::size_t> starts;
  const int rectangles[][4] = {{0, 0, 826, 633}, {100, 50, 20, 300}, {825, 632, 1, 1}};
  for (const auto& r : rectangles) {
    starts.push_back(file.size());
    file.Control(0, 1).Image(r[0], r[1], r[2], r[3], r[2] * 2);
  }
  starts.push_back(file.size());
  const Split split = SplitFile(file.Trailer().bytes());
  ASSERT_EQ(split.count, 3);
  for (std::size_t k = 0; k < 3; ++k) {
    const int size = 781 + static_cast<int>(starts[k + 1] - starts[k]) + 1;
    const int* r = rectangles[k];
    EXPECT_EQ(split.values[k], (GifFrameValues{size, 0, 1, r[0], r[1], r[2], r[3]}));
    EXPECT_EQ(split.streams[k], file.Stream(starts[k], starts[k + 1]));
  }
}

// The first control block's values stand, though most decoders take the last one's.
TEST(GifStream, RunReachesFromTheFirstControlBlockToTheRenderingBlock) {
  GifBuilder file(64, 48, 16);
  const std::size_t first = file.size();
  file.Control(7, 2).Comment("between").Control(9, 3).Image(1, 2, 3, 4, 600);
  const std::size_t second = file.size();
  file.Image(10, 20, 30, 40, 50, 128);  // no control block; a local table to step over
  const std::size_t third = file.size();
  file.Control(65535, 7).PlainText("Hello").Trailer();
  const Split split = SplitFile(file.bytes());
  ASSERT_EQ(split.count, 3);
  const int sizes[] = {static_cast<int>(file.header() + second - first + 1),
                       static_cast<int>(file.header() + third - second + 1),
                       static_cast<int>(file.header() + file.size() - 1 - third + 1)};
  EXPECT_EQ(split.values[0], (GifFrameValues{sizes[0], 7, 2, 1, 2, 3, 4}));
  EXPECT_EQ(split.values[1], (GifFrameValues{sizes[1], -1, 0, 10, 20, 30, 40}));
  // A plain-text frame has no image, so no geometry.
  EXPECT_EQ(split.values[2], (GifFrameValues{sizes[2], 65535, 7, 0, 0, 0, 0, GifFrameKind::kText}));
  EXPECT_EQ(split.streams[0], file.Stream(first, second));
  EXPECT_EQ(split.streams[1], file.Stream(second, third));
  EXPECT_EQ(split.streams[2], file.Stream(third, file.size() - 1));
}

// Wherever the file is cut inside the second frame (its leading comment, control block,
// descriptor, local table, pixel data or terminator), the first frame comes out whole and the
// walk stops; the first cut leaves a file whose last frame ends exactly at its end, with no
// trailer. Under ASan this also shows that nothing past the cut is read.
TEST(GifStream, FileCutInsideAFrameYieldsTheFramesBefore) {
  GifBuilder file(40, 30, 4);
  file.Control(3, 2).Image(0, 0, 40, 30, 300);
  const std::size_t second = file.size();
  file.Comment("x").Control(4, 1).Image(1, 1, 2, 2, 260, 2);
  for (std::size_t cut = second; cut < file.size(); ++cut) {
    const Split split = SplitFile(file.Cut(cut));
    ASSERT_EQ(split.count, 1) << "cut at " << cut;
    EXPECT_EQ(split.streams[0], file.Stream(file.header(), second));
  }
  GifBuilder text(40, 30, 4);
  text.Control(3, 2).PlainText("cut short");
  for (std::size_t cut = text.header(); cut < text.size(); ++cut)
    EXPECT_EQ(SplitFile(text.Cut(cut)).count, 0) << "cut at " << cut;
}

// The bytes after the end would make sense if they were read.
TEST(GifStream, ReadsNothingPastTheEndOfTheData) {
  const Bytes screen = GifBuilder(4, 4, 0).bytes();
  EXPECT_FALSE(SplitFile(Bytes(screen.begin(), screen.begin() + 10), {4, 0, 0}).isGif);

  // A global table that runs past the end leaves no block to find.
  const Split cutTable = SplitFile(GifBuilder(4, 4, 256).Cut(100), {0x2C});
  EXPECT_TRUE(cutTable.isGif);
  EXPECT_EQ(cutTable.count, 0);
  EXPECT_EQ(cutTable.endKind, GifBlockKind::kUnknown);

  // A lone extension introducer after the last frame has no label.
  const Split lone = SplitFile(GifBuilder(4, 4, 2).Image(0, 0, 4, 4).Raw({0x21}).bytes(),
                               {0xF9, 4, 0, 0, 0, 0, 0});
  EXPECT_EQ(lone.count, 1);
  EXPECT_EQ(lone.endKind, GifBlockKind::kUnknown);
}

}  // namespace
}  // namespace torvek::viewer
