// Canvases and the display behind them, checked against both builds: fills and copies are
// clipped as GDI clips them, a copy to the control's surface takes the canvas's top-left area,
// and the display makes what is asked and answers the screen's menu colour and resolution.
#include <gtest/gtest.h>

#include <vector>

#include "tests/contract/pictures_under_test.h"

namespace torvek {
namespace {

using contract::ReadCanvas;
using platform::Colour;
using platform::Rgb;
using Colours = std::vector<Colour>;

const Colour kA = Rgb(1, 1, 1);
const Colour kB = Rgb(2, 2, 2);
const Colour kC = Rgb(9, 9, 9);

class CanvasContract : public ::testing::Test {
 protected:
  std::unique_ptr<platform::Canvas> Filled(int width, int height, Colour colour) {
    std::unique_ptr<platform::Canvas> canvas = display_->CreateCanvas(0, width, height);
    EXPECT_NE(canvas, nullptr);
    if (canvas != nullptr)
      canvas->Fill({0, 0, width, height}, colour);
    return canvas;
  }

  std::unique_ptr<platform::Display> display_ = contract::MakeDisplayUnderTest();
};

TEST_F(CanvasContract, FillIsClippedAndIgnoresAnInvertedRectangle) {
  std::unique_ptr<platform::Canvas> canvas = Filled(4, 3, kA);
  canvas->Fill({-5, -5, 2, 2}, kB);
  canvas->Fill({3, 2, 99, 99}, kC);
  canvas->Fill({3, 1, 1, 0}, kC);
  EXPECT_EQ(ReadCanvas(*canvas), (Colours{kB, kB, kA, kA,  //
                                          kB, kB, kA, kA,  //
                                          kA, kA, kA, kC}));
}

TEST_F(CanvasContract, CopyFromClipsToBothCanvases) {
  // A save surface made compatible with the canvas, as a disposal-3 frame's.
  std::unique_ptr<platform::Canvas> source = Filled(3, 3, kA);
  source->Fill({1, 1, 3, 3}, kB);
  std::unique_ptr<platform::Canvas> target = display_->CreateCompatibleCanvas(*source, 4, 4);
  ASSERT_NE(target, nullptr);
  target->Fill({0, 0, 4, 4}, kC);
  // Source area from (-1, -1), 5 x 5, to (0, 0): only the source's own 3 x 3 arrive, at (1, 1).
  EXPECT_TRUE(target->CopyFrom(*source, 0, 0, 5, 5, -1, -1));
  EXPECT_EQ(ReadCanvas(*target), (Colours{kC, kC, kC, kC,  //
                                          kC, kA, kA, kA,  //
                                          kC, kA, kB, kB,  //
                                          kC, kA, kB, kB}));
  // And back, partly off the target's left edge.
  EXPECT_TRUE(source->CopyFrom(*target, -1, 0, 2, 1, 0, 0));
  EXPECT_EQ(ReadCanvas(*source), (Colours{kC, kA, kA,  //
                                          kA, kB, kB,  //
                                          kA, kB, kB}));
  EXPECT_FALSE(source->CopyFrom(*target, 0, 0, 0, 1, 0, 0));
}

TEST_F(CanvasContract, CopyToTakesTheTopLeftAreaOfTheCanvas) {
  std::unique_ptr<platform::Canvas> canvas = Filled(3, 2, kA);
  canvas->Fill({1, 0, 3, 1}, kB);
  std::unique_ptr<platform::Surface> surface = contract::MakeReadableSurface(4, 3);
  surface->Fill({0, 0, 4, 3}, kC);
  canvas->CopyTo(*surface, 2, 2);
  Colours colours;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x)
      colours.push_back(surface->ColourAt(x, y));
  }
  EXPECT_EQ(colours, (Colours{kA, kB, kC, kC,  //
                              kA, kA, kC, kC,  //
                              kC, kC, kC, kC}));
}

TEST_F(CanvasContract, DisplayMakesNoEmptyCanvasOrSurfaceAndReportsTheScreen) {
  EXPECT_EQ(display_->CreateCanvas(0, 0, 5), nullptr);
  EXPECT_EQ(display_->CreateCanvas(0, 5, -1), nullptr);
  EXPECT_EQ(display_->CreateSurface(0, 5), nullptr);
  std::unique_ptr<platform::Surface> surface = display_->CreateSurface(3, 2);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->Width() * surface->Height(), 6);
  EXPECT_EQ(display_->MenuColour(), contract::kSideUnderTest.menuColour)
      << contract::kSideUnderTest.name;
  EXPECT_EQ(display_->LogPixelsX(), 96);
  EXPECT_EQ(display_->LogPixelsY(), 96);
  // The canvas keeps the colour the display reports, as the player's first fill needs.
  std::unique_ptr<platform::Canvas> canvas = Filled(2, 1, display_->MenuColour());
  EXPECT_EQ(ReadCanvas(*canvas), Colours(2, display_->MenuColour()));
}

}  // namespace
}  // namespace torvek
