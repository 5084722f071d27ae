// The generator's drawing: what a fault here would put on every demonstration.
#include <gtest/gtest.h>

#include "tools/gifgen/bitmap_font.h"
#include "tools/gifgen/drawing.h"
#include "tools/gifgen/raster.h"

namespace torvek::gifgen {
namespace {

Rect Drawn(const Raster& r, std::uint8_t colour) {
  Rect box;
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x)
      if (r.At(x, y) == colour)
        box = Union(box, {x, y, x + 1, y + 1});
  return box;
}

TEST(Raster, DrawsInsideTheClipAndReportsWhatItWrote) {
  Raster r(50, 40);
  r.SetClip({10, 10, 30, 30});
  r.Line({0, 20}, {49, 20}, kWhite);
  EXPECT_EQ(Drawn(r, kWhite), (Rect{10, 20, 30, 21}));
  EXPECT_EQ(r.TakeChanged(), (Rect{10, 20, 30, 21}));
  EXPECT_TRUE(r.TakeChanged().Empty());
  r.ResetClip();
  // Both ends are drawn, whichever way the line runs; a wide brush widens the change.
  r.Line({40, 35}, {33, 2}, kRed, kSolid, 3);
  EXPECT_EQ(Drawn(r, kRed), (Rect{32, 1, 42, 37}));
  EXPECT_EQ(r.TakeChanged(), (Rect{32, 1, 42, 37}));
  // A dashed line leaves gaps of its pattern.
  Raster dashed(30, 1);
  dashed.Line({0, 0}, {29, 0}, kGreen, kDashed);
  EXPECT_EQ(dashed.At(7, 0), kGreen);
  EXPECT_EQ(dashed.At(8, 0), kBlack);
  EXPECT_EQ(dashed.At(12, 0), kGreen);
  // A circle is symmetric about its centre.
  Raster c(21, 21);
  c.Circle({10, 10}, 7, kCyan);
  EXPECT_EQ(Drawn(c, kCyan), (Rect{3, 3, 18, 18}));
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x)
      ASSERT_EQ(c.At(x, y), c.At(20 - x, y));
}

TEST(DrawingView, MapsNegativeModelPointsLikePositiveOnes) {
  Raster still(200, 100);
  Drawing d(still, {0, 0, 200, 100}, kBlack);
  d.SetView({{-1000, -500}, 1, 20});
  EXPECT_EQ(d.ToScreen({-1000, -500}), (Point{0, 99}));
  // Rounding toward minus infinity: -1019 is in the pixel left of -1000, not in the same one.
  EXPECT_EQ(d.ToScreen({-1019, -500}), (Point{-1, 99}));
  EXPECT_EQ(d.ToScreen({-981, -481}), (Point{0, 99}));
  EXPECT_EQ(d.ToModel(d.ToScreen({1400, 600})), (Point{1400, 600}));
  EXPECT_EQ(d.ToModel({10, 10}), (Point{-800, 1280}));
  EXPECT_EQ(d.ToPixels(-30), -2);
}

TEST(Drawing, ChangingAnEntityRedrawsWhatLayUnderIt) {
  Raster still(100, 60);
  Drawing d(still, {0, 0, 100, 60}, kNight);
  d.SetView({{0, 0}, 1, 10});
  const int line = d.Add(MakeLine({0, 300}, {990, 300}, kRed));
  const int box = d.Add(MakeSolid({200, 100}, {400, 500}, kYellow));
  EXPECT_EQ(still.At(30, 29), kYellow);
  d.Change(box, [](Entity& e) { e.hidden = true; });
  EXPECT_EQ(still.At(30, 29), kRed) << "the line under the box comes back";
  EXPECT_EQ(still.At(30, 40), kNight);
  d.Change(line, [](Entity& e) { e.points = {{0, 100}, {990, 100}}; });
  EXPECT_EQ(still.At(30, 29), kNight) << "the line's old place is cleared";
  EXPECT_EQ(still.At(30, 49), kRed);
}

TEST(BitmapFont, TextRunsRightOrUpFromItsOrigin) {
  Raster r(80, 80);
  DrawText(r, {10, 30}, "E1", kWhite);
  // Capitals stand on the baseline y = 30: 7 rows up from it, 11 columns for two glyphs.
  EXPECT_EQ(Drawn(r, kWhite), (Rect{10, 24, 20, 31})) << "the 1 has no ink in its last column";
  EXPECT_EQ(TextWidth("E1"), 11);
  Raster up(80, 80);
  DrawText(up, {10, 70}, "E1", kWhite, 2, TextDirection::kUp);
  // Turned: the text rises from y = 70, its capitals fill the columns right of x = 10.
  EXPECT_EQ(Drawn(up, kWhite), (Rect{10, 51, 24, 71}));
  EXPECT_EQ(up.At(10, 70), kWhite) << "the E's top-left corner, now bottom-left";
  EXPECT_TRUE(HasGlyphs("KL1(2) 300x700 {10@100/200(2) 2}25;4}22"));
  EXPECT_FALSE(HasGlyphs("~"));
}

}  // namespace
}  // namespace torvek::gifgen
