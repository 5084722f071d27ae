#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tests/viewer/gif_builder.h"
#include "viewer/gif_stream.h"

namespace torvek::viewer {
namespace {

using platform::MemoryBlock;
using testing::GifBuilder;
using Bytes = std::vector<std::uint8_t>;

struct SplitFrame {
  GifFrameValues values;
  Bytes stream;
};

// A load as the animation control runs it: the count, then every frame cut from the first
// block, and where the walk stopped.
struct Split {
  bool isGif = false;
  std::int32_t width = 0;
  std::int32_t height = 0;
  int count = 0;
  std::vector<SplitFrame> frames;
  GifBlockKind endKind = GifBlockKind::kUnknown;
  std::int32_t endLength = 0;
};

// The file sits in a heap block of its own, so that ASan sees a read past its end. `beyond`
// bytes follow it there, outside the size the splitter is given: they catch such a read in a
// plain build too, where what they say would change the result.
Split SplitFile(const Bytes& file, const Bytes& beyond = {}) {
  const std::size_t held = file.size() + beyond.size();
  auto data = std::make_unique<std::uint8_t[]>(held);
  std::copy(file.begin(), file.end(), data.get());
  std::copy(beyond.begin(), beyond.end(), data.get() + file.size());

  GifStream gif;
  Split split;
  split.isGif =
      gif.BeginGif(data.get(), static_cast<std::uint32_t>(file.size()), split.width, split.height);
  EXPECT_EQ(gif.IsGif(), split.isGif);
  gif.RewindToFirstBlock();
  while (gif.SkipFrame())
    ++split.count;
  gif.RewindToFirstBlock();
  for (;;) {
    GifFrameValues values;
    MemoryBlock block = gif.ExtractNextFrame(values);
    if (!block.IsValid())
      break;
    EXPECT_EQ(block.BlockKind(), MemoryBlock::Kind::kFixed);
    EXPECT_EQ(block.Size(), static_cast<std::size_t>(values.streamSize));
    const std::uint8_t* bytes = block.Lock();
    split.frames.push_back({values, Bytes(bytes, bytes + block.Size())});
    block.Unlock();
  }
  // Both walks see the same frames.
  EXPECT_EQ(split.count, static_cast<int>(split.frames.size()));
  split.endKind = gif.ClassifyBlock();
  split.endLength = gif.BlockLength();
  gif.ReleaseData();
  EXPECT_FALSE(gif.SkipFrame());
  return split;
}

Bytes Text(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

TEST(GifStream, DataThatIsNotAGifIsLeftWhole) {
  const Bytes gif87 = GifBuilder(4, 4, 2, "GIF87a").Trailer().bytes();
  Bytes otherVersion = gif87;
  otherVersion[4] = '8';  // GIF88a
  Bytes lowerCase = gif87;
  lowerCase[0] = 'g';
  const Bytes bitmap = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0};
  struct Case {
    const char* name;
    Bytes data;
  } cases[] = {
      {"another version", otherVersion},
      {"lower case signature", lowerCase},
      {"bitmap", bitmap},
      {"signature alone", Text("GIF89a")},
      {"empty", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Split split = SplitFile(c.data);
    EXPECT_FALSE(split.isGif);
    EXPECT_EQ(split.count, 0);
  }
  EXPECT_TRUE(SplitFile(gif87).isGif);

  // Offsets are signed 32-bit: a block the cursor cannot cross to its end is not walked.
  GifStream gif;
  std::int32_t width = 0, height = 0;
  EXPECT_FALSE(gif.BeginGif(gif87.data(), 0x80000000u, width, height));
}

TEST(GifStream, CountsNoFrameInAFileWithoutImages) {
  GifBuilder file(300, 200);
  file.Looping().Comment("nothing to see").Trailer();
  const Split split = SplitFile(file.bytes());
  EXPECT_TRUE(split.isGif);
  EXPECT_EQ(split.width, 300);
  EXPECT_EQ(split.height, 200);
  EXPECT_EQ(split.count, 0);
  EXPECT_EQ(split.endKind, GifBlockKind::kTrailer);
}

TEST(GifStream, OneImageFileIsItsOwnStream) {
  GifBuilder file(0xFFFF, 0x8001, 0, "GIF87a");
  file.Image(3, 5, 7, 9).Trailer();
  const Split split = SplitFile(file.bytes());
  ASSERT_EQ(split.count, 1);
  EXPECT_EQ(split.width, 0xFFFF);  // raw 16-bit values, not clamped
  EXPECT_EQ(split.height, 0x8001);
  EXPECT_EQ(split.frames[0].stream, file.bytes());
}

// As the demonstrations are laid out: 256-colour global table, the looping extension and one
// comment before the first frame, then a control block and an image per frame.
TEST(GifStream, CutsTheShippedLayoutIntoHeaderControlImageAndTrailer) {
  GifBuilder file(826, 633);
  file.Looping().Comment("Torvek");
  std::vector<std::size_t> starts;
  const int rectangles[][4] = {{0, 0, 826, 633}, {100, 50, 20, 300}, {825, 632, 1, 1}};
  for (const auto& r : rectangles) {
    starts.push_back(file.size());
    file.Control(0, 1, 255).Image(r[0], r[1], r[2], r[3], r[2] == 826 ? 1000 : 30);
  }
  starts.push_back(file.size());
  file.Trailer();

  const Split split = SplitFile(file.bytes());
  ASSERT_EQ(split.count, 3);
  for (std::size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const SplitFrame& frame = split.frames[k];
    EXPECT_EQ(frame.stream, file.Stream(starts[k], starts[k + 1]));
    EXPECT_EQ(frame.values.streamSize, 781 + static_cast<int>(starts[k + 1] - starts[k]) + 1);
    EXPECT_EQ(frame.stream[781], 0x21);  // the control block follows the palette at once
    EXPECT_EQ(frame.values.delay, 0);
    EXPECT_EQ(frame.values.disposal, 1);
    EXPECT_EQ(frame.values.left, rectangles[k][0]);
    EXPECT_EQ(frame.values.top, rectangles[k][1]);
    EXPECT_EQ(frame.values.width, rectangles[k][2]);
    EXPECT_EQ(frame.values.height, rectangles[k][3]);
    EXPECT_EQ(frame.values.kind, GifFrameKind::kImage);
  }
}

TEST(GifStream, RunReachesFromTheFirstControlBlockToTheRenderingBlock) {
  GifBuilder file(64, 48, 16);
  const std::size_t first = file.size();
  file.Control(7, 2).Comment("between").Control(9, 3).Image(1, 2, 3, 4, 600);
  const std::size_t second = file.size();
  // An image without a control block, with a local colour table the walk must step over.
  file.Image(10, 20, 30, 40, 50, 128);
  const std::size_t third = file.size();
  // A plain-text frame counts like an image but has no geometry.
  file.Control(65535, 7).PlainText("Hello").Trailer();

  const Split split = SplitFile(file.bytes());
  ASSERT_EQ(split.count, 3);
  const GifFrameValues& controlled = split.frames[0].values;
  EXPECT_EQ(split.frames[0].stream, file.Stream(first, second));
  EXPECT_EQ(controlled.delay, 7);
  EXPECT_EQ(controlled.disposal, 2);
  EXPECT_EQ(controlled.width, 3);

  const GifFrameValues& bare = split.frames[1].values;
  EXPECT_EQ(split.frames[1].stream, file.Stream(second, third));
  EXPECT_EQ(split.frames[1].stream[file.HeaderBytes()], 0x2C);
  EXPECT_EQ(bare.delay, -1);
  EXPECT_EQ(bare.disposal, 0);
  EXPECT_EQ(bare.left, 10);
  EXPECT_EQ(bare.top, 20);
  EXPECT_EQ(bare.width, 30);
  EXPECT_EQ(bare.height, 40);

  const GifFrameValues& text = split.frames[2].values;
  EXPECT_EQ(split.frames[2].stream, file.Stream(third, file.size() - 1));
  EXPECT_EQ(text.kind, GifFrameKind::kText);
  EXPECT_EQ(text.delay, 65535);
  EXPECT_EQ(text.disposal, 7);
  EXPECT_EQ(text.width, 0);
  EXPECT_EQ(text.height, 0);
}

TEST(GifStream, ClassifiesAndMeasuresEveryKindOfBlock) {
  GifBuilder file(8, 8, 2);
  std::vector<std::pair<GifBlockKind, std::size_t>> blocks;
  auto next = [&](GifBlockKind kind) -> GifBuilder& {
    blocks.emplace_back(kind, file.size());
    return file;
  };
  next(GifBlockKind::kApplicationExtension).Looping();
  next(GifBlockKind::kCommentExtension).Comment("");
  next(GifBlockKind::kControlExtension).Control(1, 1);
  next(GifBlockKind::kPlainTextExtension).PlainText("ab");
  next(GifBlockKind::kImageDescriptor).Image(0, 0, 8, 8, 700, 4);
  next(GifBlockKind::kTrailer).Trailer();
  blocks.emplace_back(GifBlockKind::kUnknown, file.size());

  GifStream gif;
  std::int32_t width = 0, height = 0;
  ASSERT_TRUE(
      gif.BeginGif(file.bytes().data(), static_cast<std::uint32_t>(file.size()), width, height));
  EXPECT_EQ(gif.GlobalTableBytes(), 6);
  gif.RewindToFirstBlock();
  for (std::size_t k = 0; k + 1 < blocks.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(gif.Cursor(), static_cast<std::int32_t>(blocks[k].second));
    EXPECT_EQ(gif.ClassifyBlock(), blocks[k].first);
    EXPECT_EQ(gif.BlockLength(),
              static_cast<std::int32_t>(blocks[k + 1].second - blocks[k].second));
    ASSERT_TRUE(gif.SkipBlock());
  }
  // At the end of the data: nothing to read, nothing to skip.
  EXPECT_EQ(gif.ClassifyBlock(), GifBlockKind::kUnknown);
  EXPECT_EQ(gif.BlockLength(), -1);
  EXPECT_FALSE(gif.SkipBlock());
}

TEST(GifStream, LastFrameEndingExactlyAtTheEndWithoutTrailerIsKept) {
  GifBuilder file(16, 16);
  file.Control(5, 1).Image(0, 0, 16, 16).Control(6, 1).Image(0, 0, 8, 8);
  const Split split = SplitFile(file.bytes());
  ASSERT_EQ(split.count, 2);
  EXPECT_EQ(split.frames[1].values.delay, 6);
  EXPECT_EQ(split.endKind, GifBlockKind::kUnknown);
  EXPECT_EQ(split.endLength, -1);
}

// Wherever the file is cut inside the second frame (its leading comment, control block,
// descriptor, local table, pixel data or terminator), the first frame comes out whole and the
// walk stops there. Under ASan this also shows that nothing past the cut is read.
TEST(GifStream, FileCutInsideAFrameYieldsTheFramesBefore) {
  GifBuilder file(40, 30, 4);
  file.Control(3, 2).Image(0, 0, 40, 30, 300);
  const std::size_t second = file.size();
  file.Comment("x").Control(4, 1).Image(1, 1, 2, 2, 260, 2);
  const std::size_t end = file.size();
  file.Trailer();
  for (std::size_t cut = second; cut < end; ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    const Split split = SplitFile(file.Cut(cut));
    ASSERT_EQ(split.count, 1);
    EXPECT_EQ(split.frames[0].stream, file.Stream(file.HeaderBytes(), second));
  }
  GifBuilder text(40, 30, 4);
  text.Control(3, 2).PlainText("cut short");
  for (std::size_t cut = text.HeaderBytes(); cut < text.size(); ++cut)
    EXPECT_EQ(SplitFile(text.Cut(cut)).count, 0) << "cut at " << cut;
}

// Bytes just past the end that would make sense if they were read.
TEST(GifStream, ReadsNothingPastTheEndOfTheData) {
  // A header cut before its screen descriptor ends is not a GIF.
  const Bytes full = GifBuilder(4, 4, 0).bytes();
  const Split shortHeader = SplitFile(Bytes(full.begin(), full.begin() + 10), {0x04, 0x00, 0x00});
  EXPECT_FALSE(shortHeader.isGif);

  // A global colour table that runs past the end leaves no block to find.
  GifBuilder table(4, 4, 256);
  const Split cutTable = SplitFile(table.Cut(100), {0x2C});
  EXPECT_TRUE(cutTable.isGif);
  EXPECT_EQ(cutTable.count, 0);
  EXPECT_EQ(cutTable.endKind, GifBlockKind::kUnknown);

  // A lone extension introducer after the last frame has no label.
  GifBuilder file(4, 4, 2);
  file.Image(0, 0, 4, 4).Raw({0x21});
  const Split lone = SplitFile(file.bytes(), {0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(lone.count, 1);
  EXPECT_EQ(lone.endKind, GifBlockKind::kUnknown);
}

}  // namespace
}  // namespace torvek::viewer
