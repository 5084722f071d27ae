// The picture loader's duties, checked against both loaders: a one-frame GIF stream gives a
// picture of the frame's own rectangle, drawn upright and scaled where Render is told, with
// its transparent index leaving the target alone; bitmaps load too; data that is no picture
// fails. Where Windows' loader (as Wine 8 shows it) and the portable one part ways, each side
// states its behaviour in pictures_under_test_*.cpp and the case checks it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "common/platform/mul_div.h"
#include "tests/contract/pictures_under_test.h"
#include "tests/support/picture_bytes.h"
#include "tests/support/source_file.h"

namespace torvek {
namespace {

using contract::kSideUnderTest;
using contract::ReadCanvas;
using platform::Colour;
using platform::Rgb;

using Bytes = std::vector<std::uint8_t>;
using Indices = std::vector<std::uint8_t>;
using Colours = std::vector<Colour>;

const Colour kRed = Rgb(255, 0, 0);
const Colour kGreen = Rgb(0, 255, 0);
const Colour kBlue = Rgb(0, 0, 255);
const Colour kGrey = Rgb(90, 90, 90);
const Colour kBackdrop = Rgb(10, 20, 30);
const Colours kFour = {kRed, kGreen, kBlue, kGrey};

// An image whose rows and columns all differ, so that a flip or a shift shows.
Indices Pattern(int width, int height, int colours) {
  Indices indices;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column)
      indices.push_back(static_cast<std::uint8_t>((row * 3 + column * 5 + row * column) % colours));
  }
  return indices;
}

// A screen of `width` x `height` over a global table of `table`.
testing::GifBuilder Screen(int width, int height, const Colours& table = kFour) {
  return testing::GifBuilder(width, height, 4).Table(table);
}

Bytes Bytes_(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

// GDI's nearest neighbour, as StretchBlt draws: the source pixel under the centre of the
// destination pixel, the one before when the centre lies on the line between two.
int SourceOf(int destination, int sourceSize, int destinationSize) {
  return ((2 * destination + 1) * sourceSize + 2 * destinationSize - 1) / (2 * destinationSize) - 1;
}

class PictureContract : public ::testing::Test {
 protected:
  static platform::MemoryBlock BlockOf(const Bytes& bytes, platform::MemoryBlock::Kind kind) {
    platform::MemoryBlock block = platform::MemoryBlock::Allocate(bytes.size(), kind);
    if (block.IsValid()) {
      std::memcpy(block.Lock(), bytes.data(), bytes.size());
      block.Unlock();
    }
    return block;
  }

  // A one-frame stream, as the frame splitter hands it over: a fixed block the stream owns.
  std::unique_ptr<platform::Picture> LoadStream(const Bytes& bytes) {
    return loader_->LoadOwned(BlockOf(bytes, platform::MemoryBlock::Kind::kFixed),
                              static_cast<std::uint32_t>(bytes.size()));
  }

  // A whole file, as a load from a resource hands it over: a moveable block the caller keeps.
  std::unique_ptr<platform::Picture> LoadFile(const Bytes& bytes) {
    platform::MemoryBlock block = BlockOf(bytes, platform::MemoryBlock::Kind::kMoveable);
    std::unique_ptr<platform::Picture> picture =
        loader_->LoadBorrowed(block, static_cast<std::uint32_t>(bytes.size()));
    EXPECT_TRUE(block.IsValid() && block.Lock() != nullptr) << "the block stays the caller's";
    block.Unlock();
    return picture;
  }

  std::unique_ptr<platform::Canvas> CanvasOf(int width, int height) {
    std::unique_ptr<platform::Canvas> canvas = display_->CreateCanvas(0, width, height);
    if (canvas != nullptr)
      canvas->Fill({0, 0, width, height}, kBackdrop);
    return canvas;
  }

  // The whole picture rendered upright at (x, y, width, height) onto a fresh canvas of
  // kBackdrop, read back.
  Colours Drawn(platform::Picture& picture, int canvasWidth, int canvasHeight, int x, int y,
                int width, int height) {
    std::unique_ptr<platform::Canvas> canvas = CanvasOf(canvasWidth, canvasHeight);
    EXPECT_TRUE(platform::RenderWhole(picture, *canvas, x, y, width, height));
    return ReadCanvas(*canvas);
  }

  // The canvas expected when `indices` (width x height) are drawn through `table` at (x, y),
  // scaled to `drawnWidth` x `drawnHeight`, onto kBackdrop; `transparent` and indices past the
  // table's end leave it alone.
  static Colours Expected(int canvasWidth, int canvasHeight, int x, int y, int width, int height,
                          const Indices& indices, const Colours& table, int transparent = -1,
                          int drawnWidth = 0, int drawnHeight = 0) {
    drawnWidth = drawnWidth > 0 ? drawnWidth : width;
    drawnHeight = drawnHeight > 0 ? drawnHeight : height;
    Colours colours(static_cast<std::size_t>(canvasWidth) * canvasHeight, kBackdrop);
    for (int row = 0; row < drawnHeight; ++row) {
      for (int column = 0; column < drawnWidth; ++column) {
        const int source =
            SourceOf(row, height, drawnHeight) * width + SourceOf(column, width, drawnWidth);
        const int index = indices[static_cast<std::size_t>(source)];
        const int cx = x + column;
        const int cy = y + row;
        if (index != transparent && index < static_cast<int>(table.size()) && cx >= 0 && cy >= 0 &&
            cx < canvasWidth && cy < canvasHeight)
          colours[static_cast<std::size_t>(cy) * canvasWidth + cx] = table[index];
      }
    }
    return colours;
  }

  std::int32_t HimetricX(int pixels) { return platform::MulDiv(pixels, 2540, dpiX_); }
  std::int32_t HimetricY(int pixels) { return platform::MulDiv(pixels, 2540, dpiY_); }

  std::unique_ptr<platform::PictureLoader> loader_ = contract::MakePictureLoaderUnderTest();
  std::unique_ptr<platform::Display> display_ = contract::MakeDisplayUnderTest();
  int dpiX_ = display_->LogPixelsX();
  int dpiY_ = display_->LogPixelsY();
};

TEST_F(PictureContract, OneFrameStreamGivesTheFramesOwnRectangleUpright) {
  // 12 pixels are 317.5 HIMETRIC at 96 dots per inch: the extent rounds as MulDiv does. The
  // frame's place on the screen does not matter, inside it, outside it or larger than it.
  const Indices indices = Pattern(12, 5, 4);
  for (const Bytes& stream : {Screen(40, 30).ImagePixels(3, 2, 12, 5, indices).Trailer().bytes(),
                              Screen(10, 10).ImagePixels(30, 30, 12, 5, indices).Trailer().bytes(),
                              Screen(2, 2).ImagePixels(0, 0, 12, 5, indices).Trailer().bytes()}) {
    std::unique_ptr<platform::Picture> picture = LoadStream(stream);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->ExtentWidth(), HimetricX(12));
    EXPECT_EQ(picture->ExtentHeight(), HimetricY(5));
    EXPECT_EQ(Drawn(*picture, 14, 7, 1, 1, 12, 5), Expected(14, 7, 1, 1, 12, 5, indices, kFour));
  }
}

TEST_F(PictureContract, RenderScalesToTheDestinationAndClipsToTheCanvas) {
  const Indices indices = Pattern(4, 3, 4);
  std::unique_ptr<platform::Picture> picture =
      LoadStream(Screen(8, 8).ImagePixels(0, 0, 4, 3, indices).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  // 4 x 3 to 6 x 5 puts pixel centres on the lines between source pixels.
  EXPECT_EQ(Drawn(*picture, 8, 7, 1, 1, 6, 5),
            Expected(8, 7, 1, 1, 4, 3, indices, kFour, -1, 6, 5));
  EXPECT_EQ(Drawn(*picture, 5, 3, -2, -1, 8, 6),
            Expected(5, 3, -2, -1, 4, 3, indices, kFour, -1, 8, 6));

  // An empty rectangle is refused, as IPicture::Render answers E_INVALIDARG.
  std::unique_ptr<platform::Canvas> canvas = CanvasOf(4, 3);
  EXPECT_FALSE(picture->Render(*canvas, 0, 0, 0, 3, 0, picture->ExtentHeight(),
                               picture->ExtentWidth(), -picture->ExtentHeight()));
  EXPECT_FALSE(picture->Render(*canvas, 0, 0, 4, 3, 0, picture->ExtentHeight(), 0,
                               -picture->ExtentHeight()));
}

TEST_F(PictureContract, TransparentIndexLeavesTheTargetAsItWas) {
  // Index 3 has the colour of the transparent index 1, and is drawn all the same: transparency
  // goes by index, not by colour. Indices past the end of the table are not drawn either.
  const Colours table = {kRed, kGreen, kBlue, kGreen};
  const Indices indices = {0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 5, 7};
  std::unique_ptr<platform::Picture> picture = LoadStream(
      Screen(10, 10, table).Control(0, 0, 1).ImagePixels(4, 4, 4, 3, indices).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 6, 5, 1, 1, 4, 3), Expected(6, 5, 1, 1, 4, 3, indices, table, 1));

  // A transparent index past the end of the table makes nothing transparent.
  const Indices opaque = Pattern(4, 3, 4);
  picture =
      LoadStream(Screen(10, 10).Control(0, 0, 7).ImagePixels(0, 0, 4, 3, opaque).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 4, 3, 0, 0, 4, 3), Expected(4, 3, 0, 0, 4, 3, opaque, kFour));
}

TEST_F(PictureContract, InterlacedLocalTableAndGif87aDecodePixelForPixel) {
  // 11 rows reach every pass of the interlace.
  const Indices indices = Pattern(5, 11, 4);
  std::unique_ptr<platform::Picture> picture =
      LoadStream(Screen(5, 11).ImagePixels(0, 0, 5, 11, indices, {}, true).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 5, 11, 0, 0, 5, 11), Expected(5, 11, 0, 0, 5, 11, indices, kFour));

  const Colours local = {Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9), Rgb(10, 11, 12)};
  picture = LoadStream(Screen(5, 11).ImagePixels(0, 0, 5, 11, indices, local).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 5, 11, 0, 0, 5, 11), Expected(5, 11, 0, 0, 5, 11, indices, local));

  picture = LoadStream(testing::GifBuilder(5, 11, 4, "GIF87a")
                           .Table(kFour)
                           .ImagePixels(0, 0, 5, 11, indices)
                           .Trailer()
                           .bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 5, 11, 0, 0, 5, 11), Expected(5, 11, 0, 0, 5, 11, indices, kFour));
}

TEST_F(PictureContract, RealFilesDecodeToTheirGoldens) {
  // wuffs' indices and palette (blue, green, red, alpha per entry) of the first frame.
  const std::string golden = testing::TestDataFile("gif/wuffs-test-data/bricks-dither.indexes");
  const std::string palette = testing::TestDataFile("gif/wuffs-test-data/bricks-dither.palette");
  ASSERT_EQ(golden.size(), 160u * 120u);
  ASSERT_EQ(palette.size(), 1024u);
  Colours table;
  for (std::size_t i = 0; i < 256; ++i) {
    table.push_back(Rgb(static_cast<std::uint8_t>(palette[4 * i + 2]),
                        static_cast<std::uint8_t>(palette[4 * i + 1]),
                        static_cast<std::uint8_t>(palette[4 * i])));
  }
  std::unique_ptr<platform::Picture> picture =
      LoadFile(Bytes_(testing::TestDataFile("gif/wuffs-test-data/bricks-dither.gif")));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 160, 120, 0, 0, 160, 120),
            Expected(160, 120, 0, 0, 160, 120, Indices(golden.begin(), golden.end()), table));
}

TEST_F(PictureContract, BitmapGivesItsExtentAndPixelsUpright) {
  Colours pixels;
  const Indices indices = Pattern(12, 5, 4);
  for (const std::uint8_t index : indices)
    pixels.push_back(kFour[index]);
  std::unique_ptr<platform::Picture> picture = LoadFile(testing::BuildBmp(12, 5, pixels));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->ExtentWidth(), HimetricX(12));
  EXPECT_EQ(picture->ExtentHeight(), HimetricY(5));
  EXPECT_EQ(Drawn(*picture, 12, 5, 0, 0, 12, 5), Expected(12, 5, 0, 0, 12, 5, indices, kFour));

  // 2 x 2, run-length encoded: two red pixels in the bottom row, two green ones above.
  const Bytes rle = {'B', 'M', 70,  0, 0, 0,   0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0,
                     2,   0,   0,   0, 2, 0,   0, 0, 1, 0, 8,  0, 1, 0, 0,  0, 8, 0,
                     0,   0,   0,   0, 0, 0,   0, 0, 0, 0, 2,  0, 0, 0, 0,  0, 0, 0,
                     0,   0,   255, 0, 0, 255, 0, 0, 2, 0, 0,  0, 2, 1, 0,  1};
  picture = LoadFile(rle);
  ASSERT_EQ(picture != nullptr, kSideUnderTest.readsRunLengthBitmaps) << kSideUnderTest.name;
  if (picture != nullptr) {
    EXPECT_EQ(Drawn(*picture, 2, 2, 0, 0, 2, 2), (Colours{kGreen, kGreen, kRed, kRed}));
  }
}

TEST_F(PictureContract, GarbageTruncatedAndEmptyDataFail) {
  const Bytes good = Screen(10, 10).ImagePixels(0, 0, 4, 3, Pattern(4, 3, 4)).Trailer().bytes();
  ASSERT_NE(LoadStream(good), nullptr);
  const auto cut = [&good](std::size_t length) {
    return Bytes(good.begin(), good.begin() + length);
  };
  // Header and table (13 + 12 bytes), then the descriptor (10) and the pixel data.
  Bytes headerOnly = cut(25);
  headerOnly.push_back(0x3B);
  for (const Bytes& bad : {Bytes_("no picture at all, only words"), cut(10), cut(20), headerOnly,
                           cut(37), cut(good.size() - 4)})
    EXPECT_EQ(LoadStream(bad), nullptr) << bad.size() << " bytes";
  EXPECT_EQ(LoadFile(Bytes_(testing::TestDataFile(
                "gif/wuffs-test-data/hippopotamus.interlaced.truncated.gif"))),
            nullptr);

  // No bytes, more bytes than the block holds, no block.
  platform::MemoryBlock block = BlockOf(good, platform::MemoryBlock::Kind::kFixed);
  ASSERT_TRUE(block.IsValid());
  EXPECT_EQ(loader_->LoadBorrowed(block, 0), nullptr);
  EXPECT_EQ(loader_->LoadBorrowed(block, static_cast<std::uint32_t>(good.size() + 1)), nullptr);
  EXPECT_EQ(loader_->LoadOwned(platform::MemoryBlock(), 10), nullptr);
}

// Where the loaders part ways, by data that does not occur in the shipped animations.

TEST_F(PictureContract, StreamEndingRightAfterItsPixelData) {
  const Bytes good = Screen(10, 10).ImagePixels(0, 0, 4, 3, Pattern(4, 3, 4)).Trailer().bytes();
  // Without the trailer both read it; without the closing zero block only Wine does.
  EXPECT_NE(LoadStream(Bytes(good.begin(), good.end() - 1)), nullptr);
  EXPECT_EQ(LoadStream(Bytes(good.begin(), good.end() - 2)) != nullptr,
            kSideUnderTest.readsUnterminatedPixelData)
      << kSideUnderTest.name;
}

void Append(void* context, void* data, int size) {
  auto* bytes = static_cast<Bytes*>(context);
  bytes->insert(bytes->end(), static_cast<std::uint8_t*>(data),
                static_cast<std::uint8_t*>(data) + size);
}

TEST_F(PictureContract, PngAndJpegDependOnTheLoader) {
  const std::uint8_t rgb[2 * 2 * 3] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 90, 90, 90};
  Bytes png;
  Bytes jpeg;
  ASSERT_NE(stbi_write_png_to_func(Append, &png, 2, 2, 3, rgb, 6), 0);
  ASSERT_NE(stbi_write_jpg_to_func(Append, &jpeg, 2, 2, 3, rgb, 90), 0);
  EXPECT_EQ(LoadFile(png) != nullptr, kSideUnderTest.readsPngAndJpeg) << kSideUnderTest.name;
  EXPECT_EQ(LoadFile(jpeg) != nullptr, kSideUnderTest.readsPngAndJpeg) << kSideUnderTest.name;
}

TEST_F(PictureContract, ZeroWidthImageAndCodeSizeOver8DependOnTheLoader) {
  std::unique_ptr<platform::Picture> picture =
      LoadStream(Screen(10, 10).ImagePixels(0, 0, 0, 3, {}).Trailer().bytes());
  ASSERT_EQ(picture != nullptr, kSideUnderTest.readsZeroWidthImage) << kSideUnderTest.name;
  if (picture != nullptr) {
    EXPECT_EQ(picture->ExtentWidth(), HimetricX(1));
    EXPECT_EQ(Drawn(*picture, 1, 1, 0, 0, 1, 1), Colours{Rgb(0, 0, 0)});
  }
  EXPECT_EQ(
      LoadFile(Bytes_(testing::TestDataFile("gif/pygif-test-suite/max-codes.gif"))) != nullptr,
      kSideUnderTest.readsCodeSizeOver8)
      << kSideUnderTest.name;
}

TEST_F(PictureContract, ShrinkingDependsOnTheLoader) {
  // Four pixels drawn two wide: the portable loader keeps every other one (the first of each
  // pair); GDI's default stretch mode, BLACKONWHITE, ANDs each pair.
  const Colours table = {Rgb(0xF0, 0x0F, 0x33), Rgb(0x0F, 0xF0, 0x77), Rgb(0xFF, 0xFF, 0xFF),
                         Rgb(0x80, 0x80, 0x80)};
  std::unique_ptr<platform::Picture> picture =
      LoadStream(Screen(4, 1, table).ImagePixels(0, 0, 4, 1, {0, 1, 2, 3}).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  const Colours expected = kSideUnderTest.shrinkCombinesPixels
                               ? Colours{table[0] & table[1], table[2] & table[3]}
                               : Colours{table[0], table[2]};
  EXPECT_EQ(Drawn(*picture, 2, 1, 0, 0, 2, 1), expected) << kSideUnderTest.name;
}

TEST_F(PictureContract, StreamWithoutColourTable) {
  if (!kSideUnderTest.survivesMissingColourTable)
    GTEST_SKIP() << kSideUnderTest.name << "'s loader takes the process down on it";
  std::unique_ptr<platform::Picture> picture = LoadStream(
      testing::GifBuilder(4, 3, 0).ImagePixels(0, 0, 4, 3, Pattern(4, 3, 4)).Trailer().bytes());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(Drawn(*picture, 4, 3, 0, 0, 4, 3), Colours(12, kBackdrop));
}

}  // namespace
}  // namespace torvek
