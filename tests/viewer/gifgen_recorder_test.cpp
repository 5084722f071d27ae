// The recorder as a viewer sees its output: decoded by giflib and composed frame over frame,
// the screen after each frame is the screen the scene drew.
#include <gtest/gtest.h>

#include <vector>

#include "tests/viewer/giflib_read.h"
#include "tools/gifgen/gif_writer.h"
#include "tools/gifgen/palette.h"
#include "tools/gifgen/recorder.h"

namespace torvek::gifgen {
namespace {

class RecorderTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 40;
  static constexpr int kHeight = 30;

  RecorderTest() : recorder_(writer_, kWidth, kHeight) {
    EXPECT_TRUE(writer_.Begin(kWidth, kHeight, DemonstrationPalette(), "test"));
  }

  // Records a frame and remembers the screen it should leave.
  void Frame(const Recorder::Overlay& overlay = {}) {
    ASSERT_TRUE(recorder_.Frame(overlay));
    Raster expected(kWidth, kHeight);
    expected.CopyFrom(recorder_.Still(), expected.Bounds());
    if (overlay)
      overlay(expected);
    screens_.push_back(std::move(expected));
  }

  // Decodes the file and composes it as a viewer does (disposal 1, transparency).
  void ExpectScreensComposed() {
    ASSERT_TRUE(writer_.Finish());
    const viewertest::GiflibRead gif(writer_.Bytes());
    ASSERT_TRUE(gif.Whole());
    ASSERT_EQ(gif->ImageCount, static_cast<int>(screens_.size()));
    // A viewer's canvas holds something else before frame 0: nothing of it may show through.
    std::vector<std::uint8_t> canvas(kWidth * kHeight, kTransparent);
    for (int k = 0; k < gif->ImageCount; ++k) {
      const GifImageDesc& d = gif->SavedImages[k].ImageDesc;
      rects_.push_back({d.Left, d.Top, d.Left + d.Width, d.Top + d.Height});
      for (int y = 0; y < d.Height; ++y)
        for (int x = 0; x < d.Width; ++x) {
          const std::uint8_t index = gif->SavedImages[k].RasterBits[y * d.Width + x];
          if (index != kTransparent)
            canvas[(d.Top + y) * kWidth + d.Left + x] = index;
        }
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
          ASSERT_EQ(canvas[y * kWidth + x], screens_[k].At(x, y))
              << "frame " << k << " at " << x << "," << y;
    }
  }

  GifWriter writer_;
  Recorder recorder_;
  std::vector<Raster> screens_;
  std::vector<Rect> rects_;
};

TEST_F(RecorderTest, EachFrameCarriesExactlyWhatChanged) {
  // Half the screen black, the colour a raster starts with: frame 0 still carries it.
  recorder_.Still().Fill({0, 0, kWidth, kHeight / 2}, kSteel);
  recorder_.Still().Fill({2, 2, 10, 6}, kFace);
  Frame();
  // A still change: its own rectangle, with the unchanged pixels inside it transparent.
  recorder_.Still().Plot(5, 20, kRed);
  recorder_.Still().Plot(12, 24, kRed);
  Frame();
  // Nothing changed: one transparent pixel.
  Frame();
  // An overlay, then the same overlay moved: the old place is restored from the still layer.
  auto cursorAt = [](int x, int y) {
    return [x, y](Raster& r) {
      r.Line({x - 3, y}, {x + 3, y}, kWhite);
      r.Line({x, y - 3}, {x, y + 3}, kWhite);
    };
  };
  Frame(cursorAt(20, 10));
  Frame(cursorAt(22, 11));
  // Drawn over with the colour already there: no change.
  recorder_.Still().Fill({2, 2, 10, 6}, kFace);
  Frame(cursorAt(22, 11));
  Frame();
  ExpectScreensComposed();

  EXPECT_EQ(rects_[0], (Rect{0, 0, kWidth, kHeight}));
  EXPECT_EQ(rects_[1], (Rect{5, 20, 13, 25}));
  EXPECT_EQ(rects_[2], (Rect{0, 0, 1, 1}));
  EXPECT_EQ(rects_[3], (Rect{17, 7, 24, 14}));
  EXPECT_EQ(rects_[4], (Rect{17, 7, 26, 15}));
  EXPECT_EQ(rects_[5], (Rect{0, 0, 1, 1}));
  EXPECT_EQ(rects_[6], (Rect{19, 8, 26, 15}));
}

}  // namespace
}  // namespace torvek::gifgen
